#!/usr/bin/env python3
"""A loopback tile and search server for MapView's tests (Python standard library only).

Serves synthetic tiles and search answers on 127.0.0.1 and records every request, so the
tests see what MapView asked for and how. Paths:
  /tiles/Z/X/Y.png     a 256x256 PNG, its colour made from Z/X/Y (Cache-Control max-age=86400)
  /bad/Z/X/Y.png       by (X + Y) % 4: a truncated PNG, a text body, a 404, a good PNG
  /hang/...            accepts, reads the request and never answers
  /search/ok?q=..      one place (Tokyo Tower, WGS84) titled with the query
  /search/two?q=..     two places
  /search/empty?q=..   []
  /search/malformed?q= a JSON text cut short
  /search/huge?q=..    an array of 3 MB
  /search/hang?q=..    never answers
  /search/by?q=KIND:.. the answer of KIND (ok, two, empty, malformed, huge, hang)
  /control/log         every request so far, one JSON object a line
  /control/quit        stops the server
Usage: tile_server.py PORT_FILE   (writes the port it listens on into PORT_FILE)
"""
import http.server
import json
import socketserver
import struct
import sys
import threading
import time
import urllib.parse
import zlib

LOG = []
LOG_LOCK = threading.Lock()
ACTIVE = [0, 0]  # requests being answered now, most at once


def png(width, height, rgb, stripe):
    """A PNG of one colour with a darker stripe, so tiles are told apart."""
    rows = bytearray()
    dark = bytes(c // 2 for c in rgb)
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows += dark if (x + y) % 64 < stripe else bytes(rgb)

    def chunk(kind, data):
        c = struct.pack('>I', len(data)) + kind + data
        return c + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)

    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(rows), 6)) +
            chunk(b'IEND', b''))


def tile_colour(z, x, y):
    h = (z * 73856093) ^ (x * 19349663) ^ (y * 83492791)
    return (64 + h % 160, 64 + (h >> 8) % 160, 64 + (h >> 16) % 160)


def place(title, lon, lat):
    return {'geometry': {'coordinates': [lon, lat], 'type': 'Point'}, 'type': 'Feature',
            'properties': {'addressCode': '', 'title': title}}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def send(self, status, body, kind='application/octet-stream', headers=()):
        self.send_response(status)
        self.send_header('Content-Type', kind)
        self.send_header('Content-Length', str(len(body)))
        for k, v in headers:
            self.send_header(k, v)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        parts = url.path.strip('/').split('/')
        query = urllib.parse.parse_qs(url.query)
        with LOG_LOCK:
            if parts[0] != 'control':
                LOG.append({'path': self.path, 'time': time.time(),
                            'headers': {k.lower(): v for k, v in self.headers.items()}})
            ACTIVE[0] += 1
            ACTIVE[1] = max(ACTIVE[1], ACTIVE[0])
        try:
            self.answer(parts, query)
        finally:
            with LOG_LOCK:
                ACTIVE[0] -= 1

    def answer(self, parts, query):
        if parts[0] == 'control':
            if parts[1] == 'log':
                with LOG_LOCK:
                    lines = [json.dumps(e) for e in LOG] + [json.dumps({'most_at_once': ACTIVE[1]})]
                return self.send(200, ('\n'.join(lines) + '\n').encode(), 'text/plain')
            if parts[1] == 'quit':
                self.send(200, b'bye', 'text/plain')
                threading.Thread(target=self.server.shutdown, daemon=True).start()
                return None
        if parts[:2] == ['search', 'by']:
            kind, _, rest = query.get('q', [''])[0].partition(':')
            parts = ['search', kind]
            query = {'q': [rest]}
        if parts[0] in ('hang',) or parts[:2] == ['search', 'hang']:
            time.sleep(3600)
            return None
        if parts[0] in ('tiles', 'bad') and len(parts) == 4:
            z, x, y = int(parts[1]), int(parts[2]), int(parts[3].split('.')[0])
            image = png(256, 256, tile_colour(z, x, y), 8 + z % 8)
            kind = (x + y) % 4 if parts[0] == 'bad' else 3
            if kind == 0:
                return self.send(200, image[:len(image) // 2], 'image/png')
            if kind == 1:
                return self.send(200, b'<html>busy, try later</html>', 'image/png')
            if kind == 2:
                return self.send(404, b'no tile', 'text/plain')
            return self.send(200, image, 'image/png', [('Cache-Control', 'max-age=86400')])
        if parts[0] == 'search' and len(parts) == 2:
            q = query.get('q', [''])[0]
            answers = {
                'ok': lambda: [place(q, 139.745433, 35.658581)],
                'two': lambda: [place(q + ' 1', 139.745433, 35.658581), place(q + ' 2', 135.5023, 34.6937)],
                'empty': lambda: [],
            }
            if parts[1] in answers:
                return self.send(200, json.dumps(answers[parts[1]](), ensure_ascii=False).encode(), 'application/json')
            if parts[1] == 'malformed':
                return self.send(200, b'[{"geometry":{"coordinates":[139.7,', 'application/json')
            if parts[1] == 'huge':
                one = json.dumps(place('x' * 1000, 139.7, 35.6))
                return self.send(200, ('[' + ','.join([one] * 3000) + ']').encode(), 'application/json')
        return self.send(404, b'unknown', 'text/plain')


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        pass  # clients that hang up (MapView giving up, closing) are expected


def main():
    server = Server(('127.0.0.1', 0), Handler)
    with open(sys.argv[1] + '.tmp', 'w') as f:
        f.write(str(server.server_address[1]))
    import os
    os.replace(sys.argv[1] + '.tmp', sys.argv[1])
    server.serve_forever()


if __name__ == '__main__':
    main()
