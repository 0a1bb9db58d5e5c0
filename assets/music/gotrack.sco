; title: Vortelia: Signal Lost
; Game-over music, C minor, 0:52. A slowing heartbeat under Cm9 - Abmaj7 - Fm9 - G7sus; the
; motif falls on the bells (G F Eb D, C) and a last low C bell rings out as the harmony settles on C minor.
#include "chords.inc"
i "Mix"    0    52   1.5 7
i "Air"    0    52   -28 200 1800 5 0
i "Drone"  0    50  6.00 -27 4
;          start dur  dB  cutoff fade  pitches
i "Chord"  0    11   -26 900  3 $Cm9
i "Chord"  11   11   -26 800  3 $Abmaj7
i "Chord"  22   11   -26 700  3 $Fm9
i "Chord"  33   11   -26 600  4 $G7sus
i "Chord"  44   4    -26 600  4 6.00 7.07 8.03 8.10 0 0
;          start dur  dB  start Hz
i "Pulse"  0.5  0.9  -13 118
i "Pulse"  1.3  0.9  -16 118
i "Pulse"  3.5  0.9  -12 116
i "Pulse"  4.3  0.9  -15 116
i "Pulse"  7    0.9  -12 114
i "Pulse"  7.8  0.9  -15 114
i "Pulse"  11.5 0.9  -13 112
i "Pulse"  12.3 0.9  -16 112
i "Pulse"  17   0.9  -14 110
i "Pulse"  17.8 0.9  -17 110
i "Pulse"  24   0.9  -16 108
i "Pulse"  32   0.9  -18 105
;          start dur  pitch dB pan
i "Bell"   3    5    8.07 -20 0.4
i "Bell"   4.2  5    8.05 -21 0.6
i "Bell"   5.4  5    8.03 -21 0.45
i "Bell"   6.6  7    8.02 -20 0.55
i "Bell"   14   5    8.07 -19 0.6
i "Bell"   15.2 5    8.05 -19 0.4
i "Bell"   16.4 5    8.03 -19 0.55
i "Bell"   17.6 8    8.00 -18 0.45
i "Bell"   38   12   7.00 -18 0.5
i "Bell"   38   12   8.00 -24 0.5
;          start dur  pitch dB attack release pan
i "Glass"  22   14   9.03 -25 4 6 0.4
i "Glass"  33   15   9.02 -25 4 8 0.6
