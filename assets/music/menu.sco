; title: Vortelia: Control Room
; Menu music, D minor, 2:58. Passes of Dm9 - Bbmaj7 - Gm9 - A9sus under teal air and a low
; drone; the bells state the motif, soft keys arpeggiate from the second chord on, in the second
; pass a glass line sings above and the harmony opens to F Lydian before the return, and a
; third, sparser pass lets the player linger in the menu.
#include "chords.inc"
i "Mix"    0    178  2 8
i "Air"    0    178  -30 500 3000 6 -40
i "Drone"  0    174  6.02 -28 6
;          start dur  dB  cutoff fade  pitches
i "Chord"  0    14   -27 700  4 $Dm9
i "Chord"  14   14   -27 800  4 $Bbmaj7
i "Chord"  28   14   -27 900  4 $Gm9
i "Chord"  42   14   -27 800  4 $A9sus
i "Chord"  56   14   -27 950  4 $Dm9
i "Chord"  70   14   -27 1300 4 $Fmaj7s11
i "Chord"  84   10   -27 1000 4 $Gm9
i "Chord"  94   18   -27 700  4 $Dm9
; third pass, sparser: pads, air and glass, the motif once more, quietly
i "Chord"  112  16   -28 800  5 $Bbmaj7
i "Chord"  128  14   -28 850  5 $Gm9
i "Chord"  142  12   -28 800  5 $A9sus
i "Chord"  154  18   -28 700  6 $Dm9
;          start dur  dB  step  decay pitches
i "Arp"    14   28   -24 0.375 1.6 8.02 8.05 8.09 9.02 9.04 0
i "Arp"    56   38   -27 0.375 1.6 8.05 8.09 9.00 9.04 9.07 0
;          start dur  pitch dB pan
i "Bell"   4    4    8.02 -20 0.35
i "Bell"   5    4    8.09 -21 0.65
i "Bell"   6    4    8.04 -21 0.4
i "Bell"   7.5  5    8.05 -20 0.6
i "Bell"   32   4    8.10 -21 0.6
i "Bell"   33   4    8.09 -21 0.4
i "Bell"   34   4    8.05 -21 0.55
i "Bell"   35.5 6    8.04 -20 0.45
i "Bell"   60   4    8.02 -22 0.35
i "Bell"   61   4    8.09 -23 0.65
i "Bell"   62   4    8.04 -23 0.4
i "Bell"   63.5 4    8.05 -22 0.6
i "Bell"   65   6    9.00 -22 0.5
i "Bell"   98   4    8.02 -20 0.4
i "Bell"   99.5 4    8.09 -21 0.6
i "Bell"   101  8    8.02 -21 0.5
;          start dur  pitch dB attack release pan
i "Glass"  58   12   9.09 -26 4 4 0.6
i "Glass"  70   12   9.11 -24 3 5 0.4
i "Glass"  82   12   9.07 -24 3 5 0.55
i "Glass"  94   14   9.05 -25 4 6 0.5
i "Glass"  114  14   9.02 -25 4 6 0.45
i "Glass"  132  14   9.04 -25 4 6 0.55
i "Bell"   150  4    8.02 -20 0.4
i "Bell"   151  4    8.09 -21 0.6
i "Bell"   152  4    8.04 -21 0.45
i "Bell"   153.5 8   8.05 -20 0.55
i "Glass"  156  16   8.09 -26 5 8 0.5
