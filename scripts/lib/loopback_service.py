"""A configuration and report service on the loopback interface, for scripted wizard runs.

GET /config is held without an answer until the client gives up (the wizard does after 3 s),
so that the loading page stays up; POST /report is accepted with "ok". Prints the port it
listens on, then serves until it is ended or LIFETIME seconds have passed.

Usage: loopback_service.py [LIFETIME]
"""

import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HOLD_SECONDS = 10


class Handler(BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path != "/config":
            self.send_error(404)
            return
        # Returns early when the client closes the connection.
        self.connection.settimeout(HOLD_SECONDS)
        try:
            self.connection.recv(1)
        except OSError:
            pass
        self.close_connection = True

    def do_POST(self):
        self.rfile.read(int(self.headers.get("Content-Length", 0)))
        if self.path != "/report":
            self.send_error(404)
            return
        body = b"ok"
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, format, *args):
        sys.stderr.write("service: " + format % args + "\n")


def main():
    lifetime = float(sys.argv[1]) if len(sys.argv) > 1 else 300
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    time.sleep(lifetime)


if __name__ == "__main__":
    main()
