#pragma once

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "GridGeometry.h"
#include "PixelGrid.h"
#include "SpriteStore.h"

// A shown, active window with the grid and one control after it, so that focus, Tab and
// the focus frame behave as in the editor.
class PixelGridFixture : public ::testing::Test {
protected:
    void SetUp() override {
        grid->move(24, 24);
        nextControl->setGeometry(620, 24, 100, 24);
        window.resize(740, 620);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // What the editor's Clear does to the grid.
    void clear(const QColor& background = Qt::white) {
        store.clearPixels();
        grid->setEnabled(true);
        grid->setBackgroundColour(background);
    }

    static QPoint centreOf(int column, int row) {
        return vexilor::grid::cellRect(column, row).center();
    }
    void clickCell(Qt::MouseButton button, int column, int row,
                   Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid, button, modifiers, centreOf(column, row));
    }

    QImage picture() const { return grid->grab().toImage(); }
    // The colour inside a cell, away from its edge where the focus frame lies.
    static QColor fillOf(const QImage& image, int column, int row) {
        return image.pixelColor(centreOf(column, row));
    }
    // The dotted focus frame marks the cell's top left pixel.
    static bool hasFocusFrame(const QImage& image, int column, int row) {
        const QRect cell = vexilor::grid::cellRect(column, row);
        return image.pixelColor(cell.topLeft()) != image.pixelColor(cell.center());
    }
    QColor highlight() const {
        return grid->palette().color(QPalette::Active, QPalette::Highlight);
    }

    int setPixelCount() const {
        int count = 0;
        for (int column = 0; column < 64; ++column)
            for (int row = 0; row < 64; ++row)
                count += store.pixel(column, row);
        return count;
    }

    vexilor::SpriteStore store;
    QWidget window;
    vexilor::PixelGrid* grid = new vexilor::PixelGrid(store, &window);
    QLineEdit* nextControl = new QLineEdit(&window);
};
