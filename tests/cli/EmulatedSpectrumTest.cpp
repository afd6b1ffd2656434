#include <libspectrum.h>

#include <QProcess>
#include <cstring>

#include "ListingToolRun.h"

namespace {

// A ring around a dot, with its outline mask worked out by hand: '#' is set, 'o' clear
// and opaque, '.' transparent, so the background shows through the corners and the
// holes between the ring and the dot.
const char* const kRing[] = {
    "....oooooooo....", "..ooo######ooo..", ".oo##########oo.", "oo####oooo####oo",
    "o###ooo..ooo###o", "o##oooooooooo##o", "##oooo####oooo##", "##o.o##oo##o.o##",
    "##o.o##oo##o.o##", "##oooo####oooo##", "o##oooooooooo##o", "o###ooo..ooo###o",
    "oo####oooo####oo", ".oo##########oo.", "..ooo######ooo..", "....oooooooo....",
};

// Copy k of the ring (shifted right by k pixels) is drawn at byte column kColumn, from
// pixel row kTop + k * kSpacing, so the eight copies stand one below the other and cross
// the boundaries of character rows.
constexpr int kColumn = 5, kTop = 4, kSpacing = 24;
// The emulator's free 48K ROM; the program runs without calling it.
const QString kRom = QStringLiteral("/usr/share/spectrum-roms/opense.rom");

// A game's drawing, as the assembler output is meant to be used: the screen striped, then
// each copy drawn cell by cell, mask byte first, with (screen AND mask) OR graphic.
constexpr char kDrawing[] = R"(
COLUMNS EQU 3           ; cells across a shifted copy of the 16 x 16 ring
ROWS    EQU 2
        ORG 32768
        jr start
done:                   ; where the program ends, at 32770
        jr done
start:
        di
        ld sp, 32768
        ld hl, 16384
stripes:                ; even pixel lines 00110011, odd ones 11001100
        ld a, h
        and 1
        ld a, $33
        jr z, stripe
        ld a, $CC
stripe:
        ld (hl), a
        inc hl
        ld a, h
        cp $58
        jr nz, stripes
        ld ix, ring_1_0
        ld b, TOP       ; pixel row
        ld e, 8         ; copies
copies:
        push de
        ld c, COLUMN
        push bc
        call draw
        pop bc
        ld a, b
        add a, SPACING
        ld b, a
        pop de
        dec e
        jr nz, copies
        jr done

draw:                   ; IX: a copy's bytes; B: top pixel row; C: byte column
        ld e, ROWS
cell_row:
        ld d, COLUMNS
        push bc
cell:
        push bc
        ld a, 8
line:
        push af
        call screen_address
        ld a, (hl)
        and (ix+0)
        or (ix+1)
        ld (hl), a
        inc ix
        inc ix
        inc b
        pop af
        dec a
        jr nz, line
        pop bc
        inc c
        dec d
        jr nz, cell
        pop bc
        ld a, b
        add a, 8
        ld b, a
        dec e
        jr nz, cell_row
        ret

screen_address:         ; HL: the screen byte of pixel row B in byte column C
        ld a, b
        and 7
        or $40
        ld h, a
        ld a, b
        rra
        rra
        rra
        and $18
        or h
        ld h, a
        ld a, b
        rla
        rla
        and $E0
        or c
        ld l, a
        ret

        INCLUDE "ring.asm"
)";

// The screen's pixels as rows of '#' (ink) and '.' (paper).
using Screen = std::vector<std::string>;

Screen onPaper() {
    Screen screen;
    for (int y = 0; y < 192; ++y) {
        std::string row;
        for (int x = 0; x < 256; ++x)
            row += (x % 4 < 2) == (y % 2 == 1) ? '#' : '.';
        screen.push_back(row);
    }
    for (int shift = 0; shift < 8; ++shift)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (kRing[y][x] != '.')
                    screen[kTop + kSpacing * shift + y][8 * kColumn + shift + x] =
                        kRing[y][x] == '#' ? '#' : '.';
    return screen;
}

// Where the byte of pixel row y, byte column c lies in the Spectrum's screen memory: the
// thirds of the screen, then the pixel lines within a character row, then the rows.
int screenAddress(int y, int c) {
    return 0x4000 + (y / 64) * 0x800 + (y % 8) * 0x100 + (y / 8 % 8) * 0x20 + c;
}

class EmulatedSpectrum : public ListingTool {
protected:
    // A 48K snapshot about to run `code` from 32768.
    QByteArray snapshotRunning(const QByteArray& code) {
        static const bool started = libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
        EXPECT_TRUE(started);
        libspectrum_snap* snap = libspectrum_snap_alloc();
        libspectrum_snap_set_machine(snap, LIBSPECTRUM_MACHINE_48);
        for (const int page : {5, 2, 0})  // 16384, 32768 and 49152 onwards
            libspectrum_snap_set_pages(snap, page, libspectrum_new0(libspectrum_byte, 0x4000));
        std::memcpy(libspectrum_snap_pages(snap, 2), code.data(),
                    static_cast<size_t>(std::min<qsizetype>(code.size(), 0x4000)));
        libspectrum_snap_set_pc(snap, 32768);
        libspectrum_snap_set_im(snap, 1);
        libspectrum_byte* buffer = nullptr;
        size_t length = 0;
        int lost = 0;
        EXPECT_EQ(libspectrum_snap_write(&buffer, &length, &lost, snap, LIBSPECTRUM_ID_SNAPSHOT_Z80,
                                         nullptr, 0),
                  LIBSPECTRUM_ERROR_NONE);
        const QByteArray bytes(reinterpret_cast<const char*>(buffer),
                               static_cast<qsizetype>(length));
        libspectrum_free(buffer);
        libspectrum_snap_free(snap);
        return bytes;
    }

    // Runs the snapshot in the emulator with its free ROM, without a display, until the
    // program reaches `stop`; the emulator's debugger then prints each byte of the
    // screen's pixels. Five emulated seconds without reaching it is a failure. (The last
    // command must not end in a line break, which the debugger reads as a broken command.)
    Screen screenAt(const QString& snapshot, int stop) {
        QString commands = QStringLiteral("break %1\ncommands 1\n").arg(stop);
        for (int address = 0x4000; address < 0x5800; ++address)
            commands += QStringLiteral("pr [%1]\n").arg(address);
        commands += "exit\nend\nbreak time 0 if spectrum:frames > 250\ncommands 2\nexit 3\nend";
        QProcess emulator;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SDL_VIDEODRIVER", "dummy");
        environment.insert("SDL_AUDIODRIVER", "dummy");
        emulator.setProcessEnvironment(environment);
        emulator.start("fuse-sdl",
                       {"--machine", "48", "--rom-48", kRom, "--no-sound", "--no-autosave-settings",
                        "--snapshot", snapshot, "--debugger-command", commands});
        if (!emulator.waitForFinished(30000)) {
            emulator.kill();  // it waits in its debugger after a command it cannot read
            ADD_FAILURE() << "the emulator did not end";
        }
        EXPECT_EQ(emulator.exitCode(), 0)
            << "the program did not reach its end: " << emulator.readAllStandardError().constData();
        std::vector<int> bytes;
        for (const QByteArray& line : emulator.readAllStandardOutput().split('\n'))
            if (line.startsWith("0x"))  // the debugger prints in hex
                bytes.push_back(line.toInt(nullptr, 16));
        Screen screen(192, std::string(256, '.'));
        if (bytes.size() != 0x1800)
            return screen;
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x)
                if (bytes[static_cast<size_t>(screenAddress(y, x / 8) - 0x4000)] & 0x80 >> x % 8)
                    screen[static_cast<size_t>(y)][static_cast<size_t>(x)] = '#';
        return screen;
    }
};

}  // namespace

TEST_F(EmulatedSpectrum, DrawsTheMaskedRingOverStripesAtEachPixelOfAColumnAsOnPaper) {
    requireTool("pasmo");
    requireTool("fuse-sdl");
    requireTool(kRom);
    if (IsSkipped() || HasFatalFailure())
        return;
    const QString ring = png("ring.png", 16, 16, [](int x, int y) { return kRing[y][x] == '#'; });
    const Run made = run("--auto-mask outline --asm --mask before --shifts 8 -o " +
                         path("ring.asm") + " " + ring);
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    ASSERT_TRUE(writeFile(path("draw.asm"), kDrawing));
    const Run assembled = inDir(QStringLiteral("pasmo --equ TOP=%1 --equ COLUMN=%2 --equ "
                                               "SPACING=%3 --bin draw.asm draw.bin")
                                    .arg(kTop)
                                    .arg(kColumn)
                                    .arg(kSpacing));
    ASSERT_EQ(assembled.exitCode, 0) << assembled.out.constData() << assembled.err.data();
    ASSERT_TRUE(writeFile(path("draw.z80"), snapshotRunning(readFile(path("draw.bin")))));

    const Screen expected = onPaper(), shown = screenAt(path("draw.z80"), 32770);
    for (size_t y = 0; y < expected.size(); ++y)
        EXPECT_EQ(shown[y], expected[y]) << "pixel row " << y;
}
