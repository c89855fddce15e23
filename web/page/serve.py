"""Serves a folder on 127.0.0.1 with the MIME types the page needs (ES modules as JavaScript,
WebAssembly as application/wasm, which browsers require to compile it while loading).

    python3 serve.py FOLDER [PORT]      PORT 0 (the default 8000) picks a free one

Prints the address, then serves until stopped."""
import functools
import http.server
import sys

TYPES = {
    ".mjs": "text/javascript", ".js": "text/javascript", ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json", ".woff2": "font/woff2", ".svg": "image/svg+xml",
    ".json": "application/json", ".csv": "text/csv; charset=utf-8", ".html": "text/html; charset=utf-8",
    ".css": "text/css", ".epw": "text/plain; charset=utf-8",
}


class Handler(http.server.SimpleHTTPRequestHandler):
    # Keep-alive: the page's dozen files come over a few connections, not one connection each.
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def log_message(self, *args):  # quiet: the address printed is what callers read
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that leaves a page mid-transfer closes its connection: not worth a traceback.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    server = Server(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
