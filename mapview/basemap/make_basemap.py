#!/usr/bin/env python3
"""Turns GSHHG shorelines dumped by `gmt coast -W -M` into MapView's base-map file.

GMT stores the shorelines cut into bins, and cuts them again at the region's edges, so the
pieces are first joined end to end again into whole rings. Pieces that run out at the
region's edges are closed along the edges, keeping land on the left as GSHHG orients its
shorelines (land counter-clockwise, lakes clockwise), so every ring can be filled.

Usage: make_basemap.py WEST EAST SOUTH NORTH coarse.txt fine.txt > out.bin
Output format (all integers little-endian zig-zag varints unless said otherwise):
  "MVBM" 1(byte)  west south east north  detailCount
  per detail: ringCount, then per ring: level closed pointCount  lon0 lat0  dlon dlat ...
Coordinates are in units of 1e-5 degree.
"""
import sys

UNIT = 1e5


def read_segments(path):
    segments = []
    current = None
    with open(path) as f:
        for line in f:
            if line.startswith('>'):
                level = int(line.rsplit(' ', 1)[1])
                current = [level, []]
                segments.append(current)
            elif line.strip():
                lon, lat = line.split()[:2]
                current[1].append((round(float(lon) * UNIT), round(float(lat) * UNIT)))
    return [(lvl, pts) for lvl, pts in segments if len(pts) >= 2]


def stitch(segments):
    """Joins pieces whose end is another's start; returns (closed rings, open chains)."""
    closed, pieces = [], []
    for level, pts in segments:
        (closed if pts[0] == pts[-1] else pieces).append((level, list(pts)))
    by_start = {}
    for i, (level, pts) in enumerate(pieces):
        by_start.setdefault((level, pts[0]), []).append(i)
    used = [False] * len(pieces)
    chains = []
    for i in range(len(pieces)):
        if used[i]:
            continue
        used[i] = True
        level, chain = pieces[i][0], list(pieces[i][1])
        # Walk backwards first so a chain starts where it really starts.
        while True:
            extended = False
            for j, (lvl, pts) in enumerate(pieces):
                if not used[j] and lvl == level and pts[-1] == chain[0]:
                    used[j] = True
                    chain = pts[:-1] + chain
                    extended = True
                    break
            if not extended or chain[0] == chain[-1]:
                break
        while chain[0] != chain[-1]:
            nxt = [j for j in by_start.get((level, chain[-1]), []) if not used[j]]
            if not nxt:
                break
            used[nxt[0]] = True
            chain += pieces[nxt[0]][1][1:]
        (closed if chain[0] == chain[-1] else chains).append((level, chain))
    return closed, chains


def close_at_edges(chains, box):
    """Closes chains that end on the region's edges by walking the edges counter-clockwise
    (land, level 1) from each chain's end to the next chain's start. Lakes that cross the
    edge stay lines."""
    west, east, south, north = box
    perimeter = 2 * ((east - west) + (north - south))

    def position(p):  # distance along the edges, counter-clockwise from the south-west corner
        x, y = p
        if y == south:
            return x - west
        if x == east:
            return (east - west) + (y - south)
        if y == north:
            return (east - west) + (north - south) + (east - x)
        if x == west:
            return 2 * (east - west) + (north - south) + (north - y)
        return None

    corners = [(0, (west, south)), (east - west, (east, south)),
               ((east - west) + (north - south), (east, north)),
               (2 * (east - west) + (north - south), (west, north))]
    land = [c for c in chains if c[0] == 1 and position(c[1][0]) is not None
            and position(c[1][-1]) is not None]
    rest = [c for c in chains if c not in land]
    rings = []
    remaining = list(range(len(land)))
    while remaining:
        first = remaining.pop(0)
        ring = list(land[first][1])
        current = first
        while True:
            end = position(ring[-1])
            # The next start counter-clockwise from here (possibly this chain's own start).
            candidates = remaining + [first]
            best, best_d = None, None
            for k in candidates:
                d = (position(land[k][1][0]) - end) % perimeter
                if best_d is None or d < best_d:
                    best, best_d = k, d
            for cpos, corner in sorted(corners, key=lambda c: (c[0] - end) % perimeter):
                if 0 < (cpos - end) % perimeter < best_d:
                    ring.append(corner)
            if best == first:
                ring.append(ring[0])
                break
            remaining.remove(best)
            ring += land[best][1]
            current = best
        rings.append((1, ring))
    return rings, rest


def zigzag(v):
    return (v << 1) ^ (v >> 63)


def varint(v, out):
    v = zigzag(v)
    while True:
        b = v & 0x7F
        v >>= 7
        if v:
            out.append(b | 0x80)
        else:
            out.append(b)
            return


def encode_rings(rings, out):
    varint(len(rings), out)
    for level, closed, pts in rings:
        varint(level, out)
        varint(1 if closed else 0, out)
        varint(len(pts), out)
        px, py = 0, 0
        for x, y in pts:
            varint(x - px, out)
            varint(y - py, out)
            px, py = x, y


def build(path, box):
    closed, chains = stitch(read_segments(path))
    edge_rings, lines = close_at_edges(chains, box)
    rings = [(lvl, True, pts) for lvl, pts in closed + edge_rings]
    rings += [(lvl, False, pts) for lvl, pts in lines]
    rings.sort(key=lambda r: r[0])  # land before lakes before islands in lakes
    return rings


def main():
    west, east, south, north = (round(float(v) * UNIT) for v in sys.argv[1:5])
    box = (west, east, south, north)
    out = bytearray(b'MVBM')
    out.append(1)
    for v in (west, south, east, north):
        varint(v, out)
    details = sys.argv[5:]
    varint(len(details), out)
    for path in details:
        rings = build(path, box)
        encode_rings(rings, out)
        sys.stderr.write('%s: %d rings (%d open), %d points\n' % (
            path, len(rings), sum(1 for r in rings if not r[1]), sum(len(r[2]) for r in rings)))
    sys.stdout.buffer.write(bytes(out))


if __name__ == '__main__':
    main()
