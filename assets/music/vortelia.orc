; The game's synthesiser: every track is this orchestra playing one score (*.sco).
; Slow detuned pads through a slowly moving low-pass, glassy FM bells, soft keys for arpeggios,
; filtered-noise air, a sub drone and a low pulse, all into one hall reverb and a
; ping-pong echo. Levels are in dB per voice; the renderer sets the track's loudness.

sr = 44100
ksmps = 64
nchnls = 2
0dbfs = 1

; Fixed seed: the same score renders the same audio on every machine.
seed 7031

gaDryL init 0
gaDryR init 0
gaRevL init 0
gaRevR init 0
gaEchoL init 0
gaEchoR init 0

giGlass ftgen 0, 0, 16384, 10, 1, 0.42, 0.2, 0.11, 0.05, 0.025

; Sends a stereo voice to the dry bus, the reverb and the echo.
opcode Send, 0, aaii
  aL, aR, irev, iecho xin
  gaDryL += aL
  gaDryR += aR
  gaRevL += aL * irev
  gaRevR += aR * irev
  gaEchoL += aL * iecho
  gaEchoR += aR * iecho
endop

; Pad voice. p4 pitch (oct.pc), p5 level dB, p6 filter cutoff Hz, p7 attack s, p8 release s
; Three detuned saws; the cutoff breathes slowly so a held chord moves. No sub octave: the
; low voices would put it under the speakers' range, the high ones into the busy low mids.
instr Pad
  icps = cpspch(p4)
  iamp = ampdb(p5)
  iatt = p7
  irel = p8
  isus = max(p3 - iatt - irel, 0.01)
  kenv linseg 0, iatt, 1, isus, 1, irel, 0
  kenv = kenv * kenv
  kd1 randi 0.0025, 0.17
  kd2 randi 0.0025, 0.23
  a1 vco2 1, icps * (1.0042 + kd1)
  a2 vco2 1, icps * (0.9961 + kd2)
  a3 vco2 1, icps
  ilfo = 0.05 + rnd(0.05)
  kcut = p6 * (1 + 0.45 * oscili:k(1, ilfo, -1, rnd(1)))
  kcut = min(kcut, 12000)
  ; two 2-pole low-passes in a row: a soft 24 dB/octave slope at a fraction of a ladder's cost
  aL butlp a1 + 0.6 * a3, kcut
  aL butlp aL, kcut
  aR butlp a2 + 0.6 * a3, kcut
  aR butlp aR, kcut
  ; a faint unfiltered top from the in-tune saw: air above the low-pass
  atop buthp a3, 4000
  aL = (aL + atop * 0.03) * iamp * kenv * 0.35
  aR = (aR + atop * 0.03) * iamp * kenv * 0.35
  Send aL, aR, 0.55, 0.05
endin

; A chord of pads. p4 level dB per voice, p5 cutoff Hz, p6 fade s (the overlap with the next
; chord), p7..p12 pitches (0 = none).
instr Chord
  ii = 7
  while ii <= 12 do
    ipch = p(ii)
    ; the bass voice sits lower in the mix: it carries the harmony, the upper voices the colour
    if ipch > 0 then
      schedule "Pad", 0, p3 + p6, ipch, p4 - (ii == 7 && ipch < 7 ? 4 : 0), p5, p6, p6
    endif
    ii += 1
  od
  turnoff
endin

; Glass choir: soft additive tone with a slow tremolo and vibrato. p4 pitch, p5 dB, p6 attack,
; p7 release, p8 pan (0 left .. 1 right)
instr Glass
  icps = cpspch(p4)
  iamp = ampdb(p5)
  isus = max(p3 - p6 - p7, 0.01)
  kenv linseg 0, p6, 1, isus, 1, p7, 0
  kvib oscili 0.003, 4.7
  ktrem oscili 0.15, 0.31 + rnd(0.2)
  a1 oscili 1, icps * (1 + kvib), giGlass
  a2 oscili 1, icps * (1.003 - kvib), giGlass
  asig = (a1 + a2) * 0.5 * iamp * kenv * kenv * (1 - ktrem)
  aL, aR pan2 asig, p8
  Send aL, aR, 0.7, 0.2
endin

; Bell: FM with a decaying index, the motif's voice; it rings for the note's length.
; p4 pitch, p5 dB, p6 pan
instr Bell
  icps = cpspch(p4)
  iamp = ampdb(p5)
  idec = p3
  ; audio-rate envelope with a 3 ms linear rise: a k-rate rise steps audibly and ticks
  aatt linseg 0, 0.003, 1, idec, 1
  adec expsega 1, 0.003, 1, idec - 0.003, 0.001
  kidx expseg 2.6, idec, 0.2
  asig foscili iamp, icps, 1, 3.5, kidx
  asig = asig * aatt * (adec - 0.001)
  aL, aR pan2 asig, p6
  Send aL, aR, 0.6, 0.25
endin

; Keys: an electric-piano tine for arpeggios: a 1:1 FM body plus a short bright 1:14 tine,
; a little detuned left against right. p4 pitch, p5 dB, p6 pan
instr Keys
  icps = cpspch(p4)
  iamp = ampdb(p5)
  aatt linseg 0, 0.005, 1, p3, 1
  adec expsega 1, 0.005, 1, p3 - 0.005, 0.001
  kbody expseg 1.2, p3, 0.1
  ktine expseg 1, 0.06, 0.02, p3, 0.01
  aL1 foscili 1, icps * 1.0017, 1, 1, kbody
  aR1 foscili 1, icps * 0.9983, 1, 1, kbody
  at1 foscili 0.12 * ktine, icps, 1, 14, 1.5
  aenv = aatt * (adec - 0.001) * iamp * 0.8
  ipanl = sqrt(1 - p6)
  ipanr = sqrt(p6)
  aL = (aL1 + at1) * aenv * ipanl * 1.4
  aR = (aR1 + at1) * aenv * ipanr * 1.4
  Send aL, aR, 0.45, 0.15
endin

; Arpeggio: plays Keys notes from a chord at a steady step, mostly rising, sometimes skipping.
; p4 dB, p5 step s, p6 note decay s, p7..p12 pitches (0 = none)
instr Arp
  inotes[] init 6
  icount = 0
  ii = 7
  while ii <= 12 do
    if p(ii) > 0 then
      inotes[icount] = p(ii)
      icount += 1
    endif
    ii += 1
  od
  kenv linseg 0, min(p3 * 0.25, 6), 1, p3 - 2 * min(p3 * 0.25, 6), 1, min(p3 * 0.25, 6), 0
  kidx init 0
  ktick metro 1 / p5
  if ktick == 1 && icount > 0 then
    knext = kidx + 1 + (random:k(0, 1) > 0.8 ? 1 : 0)
    kidx = knext % icount
    kpan = 0.25 + random:k(0, 0.5)
    kdb = p4 + 20 * log10(max(kenv, 0.001)) - random:k(0, 3)
    schedulek "Keys", 0, p6, inotes[kidx], kdb, kpan
  endif
endin

; Air: filtered noise whose band wanders. p4 dB, p5 low Hz, p6 high Hz, p7 fade s,
; p8 level dB of a quiet 5-12 kHz shimmer band (0 = none)
instr Air
  iamp = ampdb(p4)
  isus = max(p3 - 2 * p7, 0.01)
  kenv linseg 0, p7, 1, isus, 1, p7, 0
  kc1 randi 0.5, 0.07, 0.3
  kc2 randi 0.5, 0.05, 0.7
  kcf1 = p5 + (p6 - p5) * (0.5 + kc1)
  kcf2 = p5 + (p6 - p5) * (0.5 + kc2)
  an1 noise 1, 0.4
  an2 noise 1, 0.4
  aL butbp an1, kcf1, kcf1 * 0.3
  aR butbp an2, kcf2, kcf2 * 0.3
  if p8 < 0 then
    ishim = ampdb(p8)
    as1 noise 1, 0
    as2 noise 1, 0
    ks randi 0.5, 0.09, 0.5
    as1 butbp as1, 8000 + 3000 * ks, 5000
    as2 butbp as2, 8000 - 3000 * ks, 5000
    aL += as1 * ishim / iamp
    aR += as2 * ishim / iamp
  endif
  aL = aL * iamp * kenv
  aR = aR * iamp * kenv
  Send aL, aR, 0.5, 0
endin

; Riser: noise that opens from dark to bright over the note. p4 dB, p5 start Hz, p6 end Hz
instr Riser
  iamp = ampdb(p4)
  kenv linseg 0, p3 * 0.8, 1, p3 * 0.2, 0
  kcf expseg p5, p3, p6
  an1 noise 1, 0.2
  an2 noise 1, 0.2
  aL butbp an1, kcf, kcf * 0.5
  aR butbp an2, kcf * 1.02, kcf * 0.5
  Send aL * iamp * kenv, aR * iamp * kenv, 0.6, 0
endin

; Drone: a low sine with its octave and a touch of fifth, swelling slowly; kept out of the
; reverb, which would smear it. p4 pitch, p5 dB, p6 fade s
instr Drone
  icps = cpspch(p4)
  iamp = ampdb(p5)
  isus = max(p3 - 2 * p6, 0.01)
  kenv linseg 0, p6, 1, isus, 1, p6, 0
  kswell oscili 0.2, 0.08
  a1 oscili 1, icps
  a2 oscili 0.45, icps * 2
  a3 oscili 0.12, icps * 3
  asig = (a1 + a2 + a3) * iamp * kenv * (0.8 + kswell)
  Send asig, asig, 0, 0
endin

; Pulse: a heartbeat, about 0.9 s long: a falling sine with its octave for small speakers and
; a soft low-passed knock. The envelope is audio-rate with a 4 ms rise so the onset does not
; tick. p4 dB, p5 start Hz
instr Pulse
  iamp = ampdb(p4)
  aatt linseg 0, 0.004, 1, p3, 1
  adec expsega 1, 0.004, 1, p3 - 0.004, 0.001
  kf expseg p5, 0.25, p5 * 0.55, p3 - 0.25, p5 * 0.48
  a1 oscili 1, kf, -1, 0
  a2 oscili 0.35, kf * 2, -1, 0
  aknock noise 1, 0
  aknock butlp aknock, 300
  aknock butlp aknock, 300
  akenv expsega 1, 0.005, 1, 0.05, 0.001
  asig = (a1 + a2 + aknock * akenv * 0.6) * aatt * (adec - 0.001) * iamp
  Send asig, asig, 0, 0
endin

; The mix bus, one per score and as long as the track. p4 fade-in s, p5 fade-out s
instr Mix
  ; nothing low into the reverb and echo: it would smear for seconds
  aRinL buthp gaRevL, 150
  aRinR buthp gaRevR, 150
  aRL, aRR reverbsc aRinL, aRinR, 0.9, 11000
  aEinL buthp gaEchoL, 150
  aEinR buthp gaEchoR, 150
  ; ping-pong echo at 3/8 of a second, fed crosswise
  aEL init 0
  aER init 0
  aEL delay aEinL + aER * 0.45, 0.375
  aER delay aEinR * 0.3 + aEL * 0.45, 0.5625
  aL = gaDryL + aRL * 0.8 + aEL * 0.6
  aR = gaDryR + aRR * 0.8 + aER * 0.6
  ; no rumble below the speakers' range
  aL buthp aL, 35
  aL buthp aL, 35
  aR buthp aR, 35
  aR buthp aR, 35
  ; a zero-length first segment would hold the bus at 0 for the whole track
  ifadein = max(p4, 1 / kr)
  ifadeout = max(p5, 1 / kr)
  kfade linseg 0, ifadein, 1, max(p3 - ifadein - ifadeout, 0.01), 1, ifadeout, 0
  kfade = kfade * kfade
  outs aL * kfade, aR * kfade
  clear gaDryL, gaDryR, gaRevL, gaRevR, gaEchoL, gaEchoR
endin
