; walk: 3 frames of 16 x 16 pixels: 4 cells of 8 x 8, 8 bytes each, cell by cell (32 bytes); 96 bytes in all
walk:
walk_1:
    DEFB $00, $7F, $60, $60, $60, $60, $7F, $60 ; A1
    DEFB $00, $F8, $0C, $06, $06, $0C, $F8, $C0 ; B1
    DEFB $60, $60, $60, $60, $60, $60, $00, $7F ; A2
    DEFB $60, $30, $18, $0C, $06, $03, $00, $FF ; B2
walk_2:
    DEFB $00, $3F, $30, $30, $30, $30, $3F, $30 ; A1
    DEFB $00, $FC, $06, $03, $03, $06, $FC, $60 ; B1
    DEFB $30, $30, $30, $30, $30, $30, $00, $7F ; A2
    DEFB $30, $18, $0C, $06, $03, $01, $00, $FF ; B2
walk_3:
    DEFB $00, $1F, $18, $18, $18, $18, $1F, $18 ; A1
    DEFB $00, $FE, $03, $01, $01, $03, $FE, $30 ; B1
    DEFB $18, $18, $18, $18, $18, $18, $00, $3F ; A2
    DEFB $18, $0C, $06, $03, $01, $00, $00, $FF ; B2
walk_frames:
    DEFW walk_1
    DEFW walk_2
    DEFW walk_3
