#!/usr/bin/env python3
"""Writes "warn.wav", pelmox's warning sound: three falling two-tone
beeps, about one second of 8-bit mono PCM at 11025 Hz.

    make_warn_wav.py OUTPUT
"""
import math
import sys
import wave

RATE = 11025


def tone(frequency, seconds, volume=0.6):
    count = int(RATE * seconds)
    fade = int(RATE * 0.01)
    samples = bytearray()
    for n in range(count):
        envelope = min(1.0, n / fade, (count - n) / fade)
        value = math.sin(2 * math.pi * frequency * n / RATE) * volume * envelope
        samples.append(128 + int(value * 127))
    return bytes(samples)


def silence(seconds):
    return bytes([128]) * int(RATE * seconds)


def main(path):
    sound = b""
    for _ in range(3):
        sound += tone(1320, 0.12) + tone(880, 0.12) + silence(0.08)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(RATE)
        out.writeframes(sound)


if __name__ == "__main__":
    main(sys.argv[1])
