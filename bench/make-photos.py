#!/usr/bin/env python3
"""Makes camera-like JPEG photographs for velmora-bench.

  bench/make-photos.py OUT [--large N] [--medium N] [--folder N]

OUT/photos gets N 24-megapixel (6000x4000) and N 12-megapixel (4000x3000)
JPEGs: a smooth fractal scene enlarged, then sensor-like noise, 4:2:2 chroma,
quality 90-92, 6-12 MB each, with an EXIF block written the way cameras do
(Make, Model, Orientation, DateTime, an Exif sub-directory with
DateTimeOriginal, and a 160 x 120 JPEG picture in the second directory), in
Intel or Motorola byte order; every third photo is
turned (Orientation 6 or 8), one in seven upside down (3).
OUT/folder-N gets N small JPEG files (hard links of a few real ones) for the
folder listing benchmark.
Needs ImageMagick's convert.
"""
import argparse
import os
import struct
import subprocess
import sys


def tiff_block(intel, orientation, date, thumbnail):
    e = '<' if intel else '>'
    make, model = b'Velmora Bench\0', b'Camera 24\0'
    stamp = date.encode() + b'\0'
    ifd0_count, exif_count, ifd1_count = 6, 1, 3
    ifd0_size = 2 + 12 * ifd0_count + 4
    exif_off = 8 + ifd0_size
    ifd1_off = exif_off + 2 + 12 * exif_count + 4
    data_off = ifd1_off + 2 + 12 * ifd1_count + 4
    blobs = bytearray()

    def place(blob):
        off = data_off + len(blobs)
        blobs.extend(blob)
        return off

    def entry(tag, typ, count, value_bytes):
        return struct.pack(e + 'HHI', tag, typ, count) + value_bytes

    def long_value(v):
        return struct.pack(e + 'I', v)

    ifd0 = [
        entry(0x010F, 2, len(make), long_value(place(make))),
        entry(0x0110, 2, len(model), long_value(place(model))),
        entry(0x0112, 3, 1, struct.pack(e + 'HH', orientation, 0)),
        entry(0x0132, 2, len(stamp), long_value(place(stamp))),
        entry(0x0213, 3, 1, struct.pack(e + 'HH', 2, 0)),
        entry(0x8769, 4, 1, long_value(exif_off)),
    ]
    exif = [entry(0x9003, 2, len(stamp), long_value(place(stamp)))]
    # The second directory: the small JPEG picture cameras embed.
    ifd1 = [
        entry(0x0103, 3, 1, struct.pack(e + 'HH', 6, 0)),
        entry(0x0201, 4, 1, long_value(place(thumbnail))),
        entry(0x0202, 4, 1, long_value(len(thumbnail))),
    ]
    out = bytearray(b'II' if intel else b'MM')
    out += struct.pack(e + 'HI', 42, 8)
    out += struct.pack(e + 'H', len(ifd0)) + b''.join(ifd0) + struct.pack(e + 'I', ifd1_off)
    out += struct.pack(e + 'H', len(exif)) + b''.join(exif) + struct.pack(e + 'I', 0)
    out += struct.pack(e + 'H', len(ifd1)) + b''.join(ifd1) + struct.pack(e + 'I', 0)
    return bytes(out + blobs)


def camera_thumbnail(path):
    # 160 x 120 as most cameras make it: a picture of another shape is
    # fitted in with black bars.
    return subprocess.run([
        'convert', path, '-thumbnail', '160x120', '-background', 'black', '-gravity', 'center',
        '-extent', '160x120', '-quality', '75', '-strip', 'jpg:-'], check=True, capture_output=True).stdout


def add_exif(path, intel, orientation, date):
    with open(path, 'rb') as f:
        jpeg = f.read()
    payload = b'Exif\0\0' + tiff_block(intel, orientation, date, camera_thumbnail(path))
    segment = b'\xff\xe1' + struct.pack('>H', len(payload) + 2) + payload
    with open(path, 'wb') as f:
        f.write(jpeg[:2] + segment + jpeg[2:])


def make_photo(path, width, height, seed, noise, quality):
    subprocess.run([
        'convert', '-size', f'{width // 4}x{height // 4}', '-seed', str(seed), 'plasma:fractal',
        '-blur', '0x1', '-resize', f'{width}x{height}!', '-attenuate', str(noise),
        '+noise', 'Gaussian', '-sampling-factor', '2x1', '-quality', str(quality),
        '-strip', path], check=True)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument('out')
    p.add_argument('--large', type=int, default=12, help='24-megapixel photos')
    p.add_argument('--medium', type=int, default=6, help='12-megapixel photos')
    p.add_argument('--folder', type=int, default=10000, help='files for the folder benchmark')
    a = p.parse_args()
    photos = os.path.join(a.out, 'photos')
    os.makedirs(photos, exist_ok=True)
    jobs = [(6000, 4000, 0.5, 90, 'L')] * a.large + [(4000, 3000, 0.8, 92, 'M')] * a.medium
    for i, (w, h, noise, quality, tag) in enumerate(jobs):
        path = os.path.join(photos, f'IMG_{i + 1:04d}_{tag}.jpg')
        if os.path.exists(path):
            continue
        make_photo(path, w, h, 1000 + i, noise, quality)
        orientation = 3 if i % 7 == 6 else (6 if i % 6 == 2 else 8) if i % 3 == 2 else 1
        add_exif(path, i % 2 == 0, orientation, f'2023:0{1 + i % 9}:1{i % 10} 1{i % 10}:2{i % 10}:3{i % 10}')
        print(f'{path}: {os.path.getsize(path) / 1e6:.1f} MB, orientation {orientation}', file=sys.stderr)

    if a.folder > 0:
        folder = os.path.join(a.out, f'folder-{a.folder}')
        os.makedirs(folder, exist_ok=True)
        seeds = []
        for k in range(4):
            seed = os.path.join(a.out, f'seed{k}.jpg')
            if not os.path.exists(seed):
                make_photo(seed, 640, 480, 50 + k, 0.3, 85)
                add_exif(seed, k % 2 == 0, [1, 6, 8, 3][k], '2022:05:06 07:08:09')
            seeds.append(seed)
        for n in range(a.folder):
            target = os.path.join(folder, f'DSC{n:05d}.jpg')
            if not os.path.exists(target):
                os.link(seeds[n % len(seeds)], target)
        print(f'{folder}: {a.folder} files', file=sys.stderr)


if __name__ == '__main__':
    main()
