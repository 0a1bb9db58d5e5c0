; title: Vortelia: Inside the World
; Quest music, 12:30, played once under the reading. Six sections of two minutes or more, each
; with its own key, harmony and texture; the motif (D A E F) returns in different voices.
;   0:00 control room   D minor, Dm9 - Bbmaj7 - Gm9 - A9sus: dark pads, air, sub drone, bells
;   2:00 neon           F Lydian, Fmaj7#11 - Cmaj9/E - Gadd9: brighter pads, keys arpeggio, glass
;   4:00 deep archive   E minor, Em9 - Cmaj7 - Am9 - B7sus: low pads, slow pulses, noise swells
;   6:00 data stream    E minor, brighter: quicker arpeggio, glass lines, the motif high
;   8:00 memory         C minor, Cm9 - Abmaj7 - Fm9 - G7sus: the motif falls, slow bells
;  10:00 return         D minor to D major (add9): the motif whole, then a long open ending
#include "chords.inc"
i "Mix"    0    750  4 14

; control room
b 0
i "Air"    0    124  -30 400 2200 8
i "Drone"  0    122  5.02 -18 8
;          start dur  dB  cutoff fade  pitches
i "Chord"  0    15   -27 600  5 $Dm9
i "Chord"  15   15   -27 700  5 $Bbmaj7
i "Chord"  30   15   -27 750  5 $Gm9
i "Chord"  45   15   -27 700  5 $A9sus
i "Chord"  60   15   -27 800  5 $Dm9
i "Chord"  75   15   -27 900  5 $Bbmaj7
i "Chord"  90   15   -27 1000 5 $Gm9
i "Chord"  105  15   -27 900  5 $A9sus
;          start dur  pitch dB pan
i "Bell"   10   4    8.02 -18 0.35
i "Bell"   11.2 4    8.09 -19 0.65
i "Bell"   12.4 4    8.04 -19 0.4
i "Bell"   14   6    8.05 -18 0.6
i "Bell"   70   4    8.02 -19 0.6
i "Bell"   71.2 4    8.09 -20 0.4
i "Bell"   72.4 4    8.04 -20 0.55
i "Bell"   74   6    8.05 -19 0.45
i "Bell"   95   6    8.10 -20 0.5
i "Bell"   110  8    8.09 -20 0.5

; neon
b 120
i "Air"    0    122  -31 1200 5000 8
i "Drone"  0    120  5.05 -19 8
i "Chord"  0    15   -27 1100 5 $Fmaj7s11
i "Chord"  15   15   -27 1200 5 $Cmaj9E
i "Chord"  30   15   -27 1300 5 $Gadd9
i "Chord"  45   15   -27 1200 5 $Fmaj7s11
i "Chord"  60   15   -27 1300 5 $Fmaj7s11
i "Chord"  75   15   -27 1400 5 $Cmaj9E
i "Chord"  90   15   -27 1300 5 $Gadd9
i "Chord"  105  15   -27 1000 5 $Fmaj7s11
;          start dur  dB  step  decay pitches
i "Arp"    8    56   -25 0.42 1.6 8.05 8.09 9.00 9.04 9.07 0
i "Arp"    64   52   -25 0.42 1.6 8.00 8.04 8.07 8.11 9.02 0
;          start dur  pitch dB attack release pan
i "Glass"  20   14   9.09 -25 4 5 0.6
i "Glass"  34   14   9.11 -25 4 5 0.4
i "Glass"  80   14   10.00 -26 4 5 0.55
i "Glass"  94   16   9.09 -26 4 7 0.45

; deep archive
b 240
i "Air"    0    122  -29 150 900 8
i "Drone"  0    120  5.04 -17 8
i "Chord"  0    15   -28 500  6 $Em9
i "Chord"  15   15   -28 550  6 $Cmaj7
i "Chord"  30   15   -28 500  6 $Am9
i "Chord"  45   15   -28 600  6 $B7sus
i "Chord"  60   15   -28 500  6 $Em9
i "Chord"  75   15   -28 550  6 $Cmaj7
i "Chord"  90   15   -28 600  6 $Am9
i "Chord"  105  15   -28 700  6 $B7sus
;          start dur  dB  start Hz
i "Pulse"  4    0.9  -17 80
i "Pulse"  12   0.9  -18 80
i "Pulse"  20   0.9  -17 80
i "Pulse"  28   0.9  -18 80
i "Pulse"  36   0.9  -18 80
i "Pulse"  44   0.9  -19 80
i "Pulse"  64   0.9  -18 80
i "Pulse"  72   0.9  -19 80
i "Pulse"  80   0.9  -18 80
i "Pulse"  88   0.9  -19 80
;          start dur  dB  start Hz  end Hz
i "Riser"  48   10   -24 200 3000
i "Riser"  104  12   -24 200 4000
i "Bell"   30   6    7.04 -17 0.4
i "Bell"   31.5 6    7.11 -18 0.6
i "Bell"   33   6    7.06 -18 0.45
i "Bell"   34.5 8    7.07 -17 0.55

; data stream
b 360
i "Air"    0    122  -31 2000 7000 8
i "Drone"  0    120  5.04 -19 8
i "Chord"  0    15   -27 1200 5 $Em9
i "Chord"  15   15   -27 1300 5 $Cmaj7
i "Chord"  30   15   -27 1400 5 $Gadd9
i "Chord"  45   15   -27 1300 5 $B7sus
i "Chord"  60   15   -27 1400 5 $Em9
i "Chord"  75   15   -27 1500 5 $Cmaj7
i "Chord"  90   15   -27 1300 5 $Am9
i "Chord"  105  15   -27 1000 5 $B7sus
i "Arp"    2    58   -26 0.28 1.1 8.11 9.02 9.04 9.07 9.11 10.02
i "Arp"    60   56   -26 0.28 1.1 8.07 8.11 9.02 9.04 9.06 9.11
i "Glass"  10   12   10.04 -26 3 5 0.6
i "Glass"  40   12   10.02 -26 3 5 0.4
i "Glass"  70   12   9.11 -26 3 5 0.55
i "Bell"   50   4    9.04 -20 0.35
i "Bell"   51   4    9.11 -21 0.65
i "Bell"   52   4    9.06 -21 0.4
i "Bell"   53.5 6    9.07 -20 0.6

; memory
b 480
i "Air"    0    122  -30 300 1800 8
i "Drone"  0    120  5.00 -18 8
i "Chord"  0    15   -27 800  5 $Cm9
i "Chord"  15   15   -27 750  5 $Abmaj7
i "Chord"  30   15   -27 700  5 $Fm9
i "Chord"  45   15   -27 800  5 $G7sus
i "Chord"  60   15   -27 900  5 $Cm9
i "Chord"  75   15   -27 850  5 $Abmaj7
i "Chord"  90   15   -27 800  5 $Fm9
i "Chord"  105  15   -27 700  5 $G7sus
i "Bell"   5    5    8.07 -18 0.4
i "Bell"   6.5  5    8.05 -19 0.6
i "Bell"   8    5    8.03 -19 0.45
i "Bell"   9.5  8    8.02 -18 0.55
i "Bell"   35   5    8.08 -19 0.6
i "Bell"   36.5 5    8.07 -19 0.4
i "Bell"   38   8    8.00 -18 0.5
i "Bell"   65   5    8.07 -19 0.4
i "Bell"   66.5 5    8.05 -19 0.6
i "Bell"   68   5    8.03 -19 0.45
i "Bell"   69.5 8    8.02 -18 0.55
i "Glass"  20   14   9.03 -25 4 6 0.5
i "Glass"  50   14   9.02 -25 4 6 0.45
i "Glass"  80   14   9.00 -25 4 6 0.55
i "Glass"  100  16   8.11 -26 4 8 0.5

; return
b 600
i "Air"    0    150  -30 400 2600 10
i "Drone"  0    146  5.02 -18 10
i "Chord"  0    15   -27 700  5 $Dm9
i "Chord"  15   15   -27 800  5 $Bbmaj7
i "Chord"  30   15   -27 900  5 $Gm9
i "Chord"  45   15   -27 800  5 $A9sus
i "Chord"  60   15   -27 900  5 $Dm9
i "Chord"  75   15   -27 1000 5 $Bbmaj7
i "Chord"  90   15   -27 900  5 $Gm9
i "Chord"  105  38   -27 800  8 $Dadd9
i "Arp"    60   60   -26 0.42 1.8 8.02 8.06 8.09 9.02 9.04 0
i "Bell"   8    4    8.02 -17 0.35
i "Bell"   9.2  4    8.09 -18 0.65
i "Bell"   10.4 4    8.04 -18 0.4
i "Bell"   12   4    8.05 -17 0.6
i "Bell"   13.5 8    8.09 -16 0.5
i "Glass"  30   14   9.09 -25 4 6 0.5
i "Glass"  108  24   9.06 -25 6 12 0.5
i "Bell"   110  5    8.02 -19 0.4
i "Bell"   111.5 5   8.09 -20 0.6
i "Bell"   113  5    8.04 -20 0.45
i "Bell"   114.5 12  8.06 -18 0.55
