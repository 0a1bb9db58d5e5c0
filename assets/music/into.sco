; title: Vortelia: Signal
; Splash sting in D minor: the Vortelia motif (D A E F, then up to A) rises on bells out of a
; pad and a noise swell, then rings out under a glass tone. Over in 5.9 s, before the menu.
#include "chords.inc"
;          start dur  p4...
i "Mix"    0    5.9  0.05 0.9
i "Riser"  0    2.4  -18 300 6000
i "Chord"  0    3.6  -26 900 1.6 $Dm9
i "Pad"    0    4.2  6.02 -20 900 1.2 1.2
;          start dur  pitch dB pan
i "Bell"   0.55 3.2  8.02 -14 0.35
i "Bell"   0.9  3.2  8.09 -15 0.65
i "Bell"   1.25 3.0  8.04 -15 0.4
i "Bell"   1.6  3.0  8.05 -14 0.6
i "Bell"   2.2  3.4  8.09 -11 0.5
i "Glass"  2.2  3.2  9.02 -22 0.4 2.2 0.5
