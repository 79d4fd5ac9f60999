# A small HTTP server on 127.0.0.1 for download tests: serves the files of ROOT by name; /slow/MS/NAME
# waits MS ms first, /unsized/NAME sends NAME without a length; anything else is 404. Writes the
# port it got from the kernel to PORT_FILE (atomically) once it listens.
# Usage: python3 local_http_server.py ROOT PORT_FILE
import http.server, os, socketserver, sys, time

root, port_file = sys.argv[1], sys.argv[2]

class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def do_GET(self):
        parts = self.path.strip("/").split("/")
        sized = True
        if parts[0] == "slow" and len(parts) == 3:
            time.sleep(int(parts[1]) / 1000.0)
            parts = parts[2:]
        elif parts[0] == "unsized" and len(parts) == 2:
            sized = False
            parts = parts[1:]
        path = os.path.join(root, parts[0]) if len(parts) == 1 else None
        if path is None or not os.path.isfile(path):
            self.send_error(404)
            return
        body = open(path, "rb").read()
        self.send_response(200)
        if sized:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True

server = Server(("127.0.0.1", 0), Handler)
with open(port_file + ".tmp", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(port_file + ".tmp", port_file)
server.serve_forever()
