; title: Vortelia: Inside the World
; Quest music, 14:40, played once under the reading. Six sections of two minutes, each with its
; own key, harmony and texture, and a sparse coda; the motif (D A E F) returns in different
; voices. Chords change at uneven lengths, with one long pedal per section; each section's air,
; drone and last chord run into the next one, so the joins cross-fade.
;   0:00 control room   D minor, Dm9 - Bbmaj7 - Gm9 - A9sus: dark pads, air, drone, bells
;   2:00 neon           F Lydian, Fmaj7#11 - Cmaj9/E - Gadd9: bright pads, keys arpeggio, high
;                       bells on the #11, a stretch of arpeggio and air alone
;   4:00 deep archive   E minor, Em9 - Cmaj7 - Am9 - B7sus: low pads, heartbeat pulses, noise
;                       swells, the motif slow and low on the glass
;   6:00 data stream    E minor, brighter: quick arpeggio, shimmering air, the motif high
;   8:00 memory         C minor, Cm9 - Abmaj7 - Fm9 - G7sus: the motif falls, bells then glass
;  10:00 return         D minor re-voiced (Bbmaj7/D, Gm9/C) to D major (add9): the motif whole
;  12:40 coda           Dadd9 and Bbmaj7/D, air, glass and a bell every half minute
#include "chords.inc"
i "Mix"    0    880  4 10

; control room
b 0
;          start dur  dB  low  high fade shimmer dB
i "Air"    0    132  -30 400 2600 10 -40
i "Drone"  0    132  6.02 -28 10
;          start dur  dB  cutoff fade  pitches
i "Chord"  0    24   -27 650  5 $Dm9
i "Chord"  24   12   -27 750  5 $Bbmaj7
i "Chord"  36   18   -27 800  5 $Gm9
i "Chord"  54   10   -27 750  4 $A9sus
i "Chord"  64   30   -27 900  5 $Dm9
i "Chord"  94   14   -27 1000 5 $BbmajD
i "Chord"  108  16   -27 950  6 $Gm9
;          start dur  pitch dB pan
i "Bell"   10   4    8.02 -21 0.35
i "Bell"   11.2 4    8.09 -22 0.65
i "Bell"   12.4 4    8.04 -22 0.4
i "Bell"   14   6    8.05 -21 0.6
i "Bell"   95   6    8.10 -20 0.5
i "Bell"   112  8    8.09 -20 0.5
;          start dur  pitch dB attack release pan
i "Glass"  68   5    9.02 -25 1.5 2.5 0.45
i "Glass"  72   5    8.09 -25 1.5 2.5 0.55
i "Glass"  76   10   9.04 -25 2 5 0.5

; neon
b 120
i "Air"    0    132  -28 1200 5000 10 -38
i "Drone"  0    132  6.05 -29 10
i "Chord"  0    20   -27 1800 5 $Fmaj7s11
i "Chord"  20   14   -27 2200 5 $Cmaj9E
i "Chord"  34   20   -27 2400 5 $Gadd9
i "Chord"  80   16   -27 2000 6 $Fmaj7s11
i "Chord"  96   10   -27 2600 4 $Cmaj9E
i "Chord"  106  18   -27 1800 6 $Gadd9
;          start dur  dB  step  decay pitches
i "Arp"    8    50   -25 0.375 1.6 8.05 8.09 9.00 9.04 9.07 0
i "Arp"    54   30   -25 0.375 1.8 8.05 8.09 8.11 9.04 9.07 10.00
i "Arp"    84   36   -25 0.375 1.6 8.00 8.04 8.07 8.11 9.02 0
i "Bell"   40   6    10.11 -22 0.7
i "Bell"   62   6    10.07 -24 0.3
i "Bell"   66   8    10.11 -25 0.6
i "Glass"  20   14   9.09 -25 4 5 0.6
i "Glass"  56   22   9.11 -25 5 8 0.4
i "Glass"  94   16   9.09 -26 4 7 0.45

; deep archive
b 240
i "Air"    0    132  -29 250 1800 10 0
i "Drone"  0    132  6.04 -27 10
i "Chord"  0    30   -26 650  6 $Em9
i "Chord"  30   12   -26 700  5 $Cmaj7
i "Chord"  42   20   -26 650  6 $Am9
i "Chord"  62   10   -26 750  4 $B7sus
i "Chord"  72   16   -26 650  6 $Em9
i "Chord"  88   14   -26 700  5 $Am9
i "Chord"  102  20   -26 800  6 $B7sus
;          start dur  dB  start Hz
i "Pulse"  4    0.9  -17 115
i "Pulse"  12   0.9  -18 115
i "Pulse"  20   0.9  -17 115
i "Pulse"  28   0.9  -18 115
i "Pulse"  36   0.9  -18 112
i "Pulse"  44   0.9  -19 112
i "Pulse"  64   0.9  -18 112
i "Pulse"  72   0.9  -19 110
i "Pulse"  80   0.9  -18 110
i "Pulse"  88   0.9  -19 110
;          start dur  dB  start Hz  end Hz
i "Riser"  48   10   -24 200 3000
i "Riser"  106  16   -24 200 4000
;          start dur  pitch dB attack release pan
i "Glass"  30   5    8.04 -23 1.5 2.5 0.4
i "Glass"  34   5    8.11 -24 1.5 2.5 0.6
i "Glass"  38   5    8.06 -24 1.5 2.5 0.45
i "Glass"  42   10   8.07 -23 2 6 0.55
i "Glass"  74   14   7.11 -24 4 6 0.5

; data stream
b 360
i "Air"    0    132  -30 2000 7000 10 -36
i "Drone"  0    132  6.04 -29 10
i "Chord"  0    18   -27 1200 5 $Em9
i "Chord"  18   12   -27 1400 5 $Cmaj7
i "Chord"  30   24   -27 1500 5 $Gadd9
i "Chord"  76   14   -27 1400 5 $B7sus
i "Chord"  90   12   -27 1500 5 $Em9
i "Chord"  102  20   -27 1200 6 $Am9
i "Arp"    2    54   -26 0.28125 1.1 8.11 9.02 9.04 9.07 9.11 10.02
i "Arp"    54   26   -23 0.28125 1.2 8.07 8.11 9.02 9.04 9.07 9.11
i "Arp"    78   40   -26 0.28125 1.1 8.09 9.00 9.04 9.07 9.11 10.04
i "Glass"  10   12   10.04 -26 3 5 0.6
i "Glass"  56   18   9.11 -24 4 7 0.4
i "Glass"  92   12   10.02 -26 3 5 0.55
i "Bell"   50   4    9.04 -23 0.35
i "Bell"   51   4    9.11 -24 0.65
i "Bell"   52   4    9.06 -24 0.4
i "Bell"   53.5 6    9.07 -23 0.6

; memory
b 480
i "Air"    0    132  -30 300 2400 10 -42
i "Drone"  0    132  6.00 -28 10
i "Chord"  0    20   -27 800  5 $Cm9
i "Chord"  20   16   -27 750  5 $Abmaj7
i "Chord"  36   12   -27 700  4 $Fm9
i "Chord"  48   22   -27 850  6 $G7sus
i "Chord"  70   14   -27 900  5 $Cm9
i "Chord"  84   10   -27 850  4 $Abmaj7
i "Chord"  94   12   -27 800  5 $Fm9
i "Chord"  106  18   -27 700  6 $G7sus
i "Bell"   5    5    8.07 -21 0.4
i "Bell"   6.5  5    8.05 -22 0.6
i "Bell"   8    5    8.03 -22 0.45
i "Bell"   9.5  8    8.02 -21 0.55
i "Bell"   38   8    8.00 -19 0.5
i "Glass"  22   12   9.03 -25 4 6 0.5
i "Glass"  52   14   9.02 -25 4 6 0.45
i "Glass"  72   4.5  9.07 -24 1.5 2.5 0.55
i "Glass"  76   4.5  9.05 -24 1.5 2.5 0.45
i "Glass"  80   4.5  9.03 -24 1.5 2.5 0.55
i "Glass"  84   10   9.02 -24 2 6 0.5
i "Glass"  100  16   8.11 -26 4 8 0.5

; return and coda
b 600
i "Air"    0    280  -30 400 3000 10 -40
i "Drone"  0    276  6.02 -28 12
i "Chord"  0    16   -27 700  5 $Dm9
i "Chord"  16   14   -27 800  5 $BbmajD
i "Chord"  30   20   -27 900  5 $Gm9C
i "Chord"  50   12   -27 800  5 $A9sus
i "Chord"  62   24   -27 1000 5 $Dm9
i "Chord"  86   12   -27 1100 5 $Bbmaj7
i "Chord"  98   10   -27 900  4 $Gm9
i "Chord"  108  12   -27 850  5 $A9sus
i "Chord"  120  40   -27 800  8 $Dadd9
i "Arp"    62   56   -26 0.375 1.8 8.02 8.06 8.09 9.02 9.04 0
i "Bell"   8    4    8.02 -22 0.35
i "Bell"   9.2  4    8.09 -23 0.65
i "Bell"   10.4 4    8.04 -23 0.4
i "Bell"   12   4    8.05 -22 0.6
i "Bell"   13.5 8    8.09 -22 0.5
i "Glass"  32   14   9.09 -25 4 6 0.5
i "Glass"  122  24   9.06 -27 6 12 0.5
i "Bell"   124  5    8.02 -24 0.4
i "Bell"   125.5 5   8.09 -25 0.6
i "Bell"   127  5    8.04 -25 0.45
i "Bell"   128.5 12  8.06 -24 0.55
; coda
i "Chord"  160  36   -28 700  8 $BbmajD
i "Chord"  196  34   -28 650  8 $Dadd9
i "Chord"  230  30   -29 600  10 $Dadd9
i "Glass"  166  20   9.02 -26 6 10 0.45
i "Glass"  200  22   9.09 -26 6 12 0.55
i "Glass"  234  26   9.06 -27 8 14 0.5
i "Bell"   175  8    8.09 -21 0.4
i "Bell"   210  8    8.04 -21 0.6
i "Bell"   244  12   8.02 -21 0.5
