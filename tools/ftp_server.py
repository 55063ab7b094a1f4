#!/usr/bin/python3
"""Local FTP server for the tests, the benchmark and the demo.

One account whose rights are only to change directory and to append ("ea"): it can neither list, read,
delete nor store over a file. Prints "listening on <port>" on stdout once it accepts connections, so
callers may ask for port 0 and read the port that the system chose. Ends cleanly on SIGTERM or Ctrl-C.

Run it with Debian's /usr/bin/python3, which sees the python3-pyftpdlib package.
"""

import argparse
import logging
import os
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="127.0.0.1", help="address to listen on (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=0, help="port to listen on; 0 picks a free one")
    parser.add_argument("--root", required=True, help="home directory of the account")
    parser.add_argument("--user", required=True, help="account name")
    parser.add_argument("--password", required=True, help="account password")
    parser.add_argument("--perm", default="ea",
                        help="rights of the account in pyftpdlib letters (default ea: change directory, append)")
    parser.add_argument("--folder", action="append", default=[],
                        help="folder to create below the root, e.g. the host name that names the order folder")
    parser.add_argument("--extra-user", action="append", default=[], metavar="USER:PASSWORD:PERM",
                        help="a further account on the same root")
    parser.add_argument("--verbose", action="store_true", help="log every command on stderr")
    return parser.parse_args()


def main():
    arguments = parse_arguments()
    logging.basicConfig(stream=sys.stderr, level=logging.INFO if arguments.verbose else logging.WARNING)

    root = os.path.abspath(arguments.root)
    os.makedirs(root, exist_ok=True)
    for folder in arguments.folder:
        os.makedirs(os.path.join(root, folder), exist_ok=True)

    authorizer = DummyAuthorizer()
    authorizer.add_user(arguments.user, arguments.password, root, perm=arguments.perm)
    for extra in arguments.extra_user:
        user, password, perm = extra.rsplit(":", 2)
        authorizer.add_user(user, password, root, perm=perm)

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.banner = "FTP server ready."

    server = FTPServer((arguments.host, arguments.port), handler)

    def stop(_signal_number, _frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)
    print("listening on %d" % server.socket.getsockname()[1], flush=True)
    # serve_forever closes every connection when SystemExit or KeyboardInterrupt ends it.
    server.serve_forever(handle_exit=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
