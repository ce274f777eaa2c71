#!/usr/bin/env python3
"""Generate Pellora's notification sounds (resources/sounds/<id>.wav).

Every sound is synthesised here from sine partials with smooth attack/decay
envelopes, so the WAVE files are reproducible and carry no third-party audio.
The rate, sample width and frame count of each file are fixed: the resource
table and the tests rely on them.
"""
import math
import os
import struct
import sys
import wave

PEAK = 0.5  # about -6 dBFS


def note(freq):
    """Frequency of a note name like 'E5'."""
    names = {"C": -9, "C#": -8, "D": -7, "D#": -6, "E": -5, "F": -4,
             "F#": -3, "G": -2, "G#": -1, "A": 0, "A#": 1, "B": 2}
    if isinstance(freq, (int, float)):
        return float(freq)
    name, octave = freq[:-1], int(freq[-1])
    semis = names[name] + (octave - 4) * 12
    return 440.0 * 2 ** (semis / 12.0)


def tone(buf, rate, start, dur, freq, amp, attack=0.006, decay=None,
         harmonics=((1, 1.0), (2, 0.25), (3, 0.08)), vibrato=0.0):
    """Mix one tone into buf (a list of floats).

    The envelope is a raised-cosine attack followed by an exponential decay
    (time constant `decay`, default a third of the duration) and a short
    raised-cosine release at the end so the tone never stops with a click.
    """
    f = note(freq)
    n0 = int(round(start * rate))
    n = int(round(dur * rate))
    if decay is None:
        decay = dur / 3.0
    release = min(0.012, dur / 4)
    norm = sum(a for _, a in harmonics)
    for i in range(n):
        k = n0 + i
        if k >= len(buf):
            break
        t = i / rate
        if t < attack:
            env = 0.5 - 0.5 * math.cos(math.pi * t / attack)
        else:
            env = math.exp(-(t - attack) / decay)
        tail = dur - t
        if tail < release:
            env *= 0.5 - 0.5 * math.cos(math.pi * tail / release)
        ph = 2 * math.pi * f * t
        if vibrato:
            ph += vibrato * math.sin(2 * math.pi * 5.5 * t)
        s = sum(a * math.sin(h * ph) for h, a in harmonics) / norm
        buf[k] += amp * env * s


def fade_edges(buf, rate, ms=3.0):
    n = min(len(buf) // 2, int(rate * ms / 1000))
    for i in range(n):
        g = 0.5 - 0.5 * math.cos(math.pi * i / n)
        buf[i] *= g
        buf[-1 - i] *= g


def normalise(buf, peak=PEAK):
    m = max(abs(x) for x in buf) or 1.0
    return [x * peak / m for x in buf]


def write(path, rate, bits, buf):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(bits // 8)
        w.setframerate(rate)
        if bits == 8:
            data = bytes(max(0, min(255, int(round(128 + x * 127)))) for x in buf)
        else:
            data = b"".join(struct.pack("<h", max(-32768, min(32767, int(round(x * 32767)))))
                            for x in buf)
        w.writeframes(data)


SOFT = ((1, 1.0), (2, 0.18), (3, 0.05))
BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4, 0.05))
BUZZ = ((1, 1.0), (2, 0.45), (3, 0.3), (4, 0.15), (5, 0.08))


def snd_topmost(buf, rate):
    # bright rising two-note chime
    tone(buf, rate, 0.00, 0.30, "E5", 0.8, decay=0.12, harmonics=BELL)
    tone(buf, rate, 0.12, 0.43, "B5", 1.0, decay=0.15, harmonics=BELL)


def snd_released(buf, rate):
    # the same chime, falling
    tone(buf, rate, 0.00, 0.30, "B5", 0.9, decay=0.12, harmonics=BELL)
    tone(buf, rate, 0.13, 0.44, "E5", 1.0, decay=0.16, harmonics=BELL)


def snd_failed(buf, rate):
    # two low, short tones with a few harmonics: noticeable, not harsh
    tone(buf, rate, 0.00, 0.17, 196.0, 1.0, attack=0.01, decay=0.20, harmonics=BUZZ)
    tone(buf, rate, 0.00, 0.17, 207.6, 0.5, attack=0.01, decay=0.20, harmonics=SOFT)
    tone(buf, rate, 0.22, 0.22, 174.6, 1.0, attack=0.01, decay=0.20, harmonics=BUZZ)
    tone(buf, rate, 0.22, 0.22, 185.0, 0.5, attack=0.01, decay=0.20, harmonics=SOFT)


def snd_copied(buf, rate):
    # soft quick blip-blip
    tone(buf, rate, 0.00, 0.09, "A5", 1.0, attack=0.005, decay=0.035, harmonics=SOFT)
    tone(buf, rate, 0.11, 0.12, "D6", 1.0, attack=0.005, decay=0.04, harmonics=SOFT)


def snd_saved(buf, rate):
    # three-note rising arpeggio (C major)
    for i, (n, d) in enumerate((("C5", 0.28), ("E5", 0.28), ("G5", 0.45))):
        tone(buf, rate, i * 0.11, min(d, 0.69 - i * 0.11), n, 0.9 + 0.05 * i,
             decay=0.14, harmonics=BELL)


def snd_shortcut(buf, rate):
    # longer sparkling arpeggio, up two octaves, ringing out
    seq = ["C5", "E5", "G5", "C6", "E6", "G6", "C7"]
    for i, n in enumerate(seq):
        start = i * 0.085
        tone(buf, rate, start, 1.69 - start, n, 0.75 + 0.04 * i,
             decay=0.22 + 0.05 * i, harmonics=BELL)
    # a soft sustained chord underneath
    for n in ("C5", "G5"):
        tone(buf, rate, 0.5, 1.19, n, 0.25, attack=0.08, decay=0.45, harmonics=SOFT)


# id: (rate, bits, seconds, generator)
SOUNDS = {
    144: (22050, 8, 0.55, snd_topmost),
    167: (22050, 8, 0.57, snd_released),
    147: (22050, 8, 0.45, snd_failed),
    193: (11025, 8, 0.59, snd_copied),
    159: (22050, 16, 0.69, snd_saved),
    130: (22050, 16, 1.69, snd_shortcut),
}


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "sounds")
    os.makedirs(out, exist_ok=True)
    for sid, (rate, bits, secs, gen) in sorted(SOUNDS.items()):
        frames = int(round(rate * secs))
        buf = [0.0] * frames
        gen(buf, rate)
        fade_edges(buf, rate)
        buf = normalise(buf)
        path = os.path.join(out, "%d.wav" % sid)
        write(path, rate, bits, buf)
        print("wrote %s (%d Hz, %d bit, %d frames)" % (path, rate, bits, frames))


if __name__ == "__main__":
    main()
