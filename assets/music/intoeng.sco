; title: Vortelia: Prologue
; Prologue music, E minor, 1:32, under the opening text: Em9 - Cmaj7 - Am9 - B7sus twice.
; The first pass is air, drone and pads, with the motif low and slow on the bells and the keys
; stirring faintly from 0:22; in the second they wake into a slow arpeggio and a glass line rises, ending on an open E.
#include "chords.inc"
i "Mix"    0    92   3 6
i "Air"    0    92   -29 300 6000 8 -42
i "Drone"  0    90  6.04 -28 8
;          start dur  dB  cutoff fade  pitches
i "Chord"  0    11   -27 600  4 $Em9
i "Chord"  11   11   -27 650  4 $Cmaj7
i "Chord"  22   11   -27 700  4 $Am9
i "Chord"  33   11   -27 750  4 $B7sus
i "Chord"  44   11   -27 900  4 $Em9
i "Chord"  55   11   -27 1000 4 $Cmaj7
i "Chord"  66   11   -27 900  4 $Am9
i "Chord"  77   10   -27 700  5 $Em9
;          start dur  dB  step  decay pitches
i "Arp"    22   20   -31 0.5625 2 7.11 8.04 8.07 8.11 9.02 0
i "Arp"    44   36   -25 0.5625 2 7.11 8.04 8.07 8.11 9.02 0
;          start dur  pitch dB pan
i "Bell"   6    5    7.04 -19 0.4
i "Bell"   7.5  5    7.11 -20 0.6
i "Bell"   9    5    7.06 -20 0.45
i "Bell"   10.5 7    7.07 -19 0.55
i "Bell"   28   5    7.09 -23 0.6
i "Bell"   29.5 5    7.07 -23 0.4
i "Bell"   31   8    7.06 -22 0.5
;          start dur  pitch dB attack release pan
i "Glass"  33   10   9.06 -27 3 4 0.45
i "Glass"  46   12   9.04 -24 4 4 0.6
i "Glass"  58   10   9.07 -24 3 4 0.4
i "Glass"  68   12   9.06 -24 3 5 0.55
i "Glass"  78   12   9.04 -25 4 7 0.5
