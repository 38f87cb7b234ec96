#!/usr/bin/env python3
"""Plays a program's dialogue the way a person at a terminal does.

    pty_dialogue.py PROGRAM PATH

The program runs in a pseudo-terminal, so its standard output is a terminal
(line buffered) exactly as at a console. Each answer is typed only after its
prompt is on the screen, and the screen must then stay quiet: a prompt that
is missing, comes late (not within the wait) or comes out of order (a later
prompt or a result before its answer was typed) fails the test. The terminal
echoes what is typed, as a real one does; the echo is part of the screen.
"""

import os
import pty
import select
import sys
import time

WAIT = 10.0    # seconds a prompt may take to appear
SETTLE = 0.3   # seconds the screen must stay quiet before an answer is typed


class Terminal:
    def __init__(self, path):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execv(path, [path])
        self.screen = ""   # everything the terminal has shown so far
        self.seen = 0      # how much of it the dialogue has accounted for

    def read_for(self, seconds):
        deadline = time.monotonic() + seconds
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                return True
            ready, _, _ = select.select([self.fd], [], [], left)
            if not ready:
                return True
            try:
                chunk = os.read(self.fd, 4096)
            except OSError:  # the program has ended and the terminal is closed
                return False
            if not chunk:
                return False
            self.screen += chunk.decode("utf-8", "replace").replace("\r\n", "\n")

    def expect(self, text):
        """Waits until text is the next thing shown, then accounts for it."""
        deadline = time.monotonic() + WAIT
        while len(self.screen) < self.seen + len(text) and time.monotonic() < deadline:
            if not self.read_for(0.05) and len(self.screen) < self.seen + len(text):
                break
        shown = self.screen[self.seen:self.seen + len(text)]
        if shown != text:
            fail("expected %r next on the screen, saw %r" % (text, self.screen[self.seen:]))
        self.seen += len(text)

    def type(self, answer):
        """Types answer once the screen has stayed quiet after the last prompt."""
        self.read_for(SETTLE)
        if len(self.screen) > self.seen:
            fail("the screen showed %r before %r was typed" % (self.screen[self.seen:], answer))
        os.write(self.fd, answer.encode())
        self.expect(answer)  # the terminal's echo

    def finish(self):
        self.read_for(WAIT)
        _, status = os.waitpid(self.pid, 0)
        if len(self.screen) > self.seen:
            fail("unexpected text at the end: %r" % self.screen[self.seen:])
        if not os.WIFEXITED(status) or os.WEXITSTATUS(status) != 0:
            fail("the program ended with status %r" % status)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def eigpair(t):
    t.expect("please input matrix size n:\n")
    t.type("2\n")
    t.expect("Please input the 1 row\n")
    t.type("1 -2\n")
    t.expect("Please input the 2 row\n")
    t.type("2 1\n")
    t.expect("Eigenvalue: 1.000000 + i2.000000\n"
             "The eigenvalue is:\n"
             "-0.734601 + i*-1.000000 \n"
             "-1.000000 + i*0.734601 \n")


def quadpanel(t):
    # No prompt: the program waits silently, then prints one number and no line end.
    t.type("4\n")
    t.type("-1 1\n")
    t.expect("6.283220")


def rootstep(t):
    t.expect("input x0 x1 epsi\n")
    t.type("1.5 2 0.0001\n")
    t.expect("the solution is 1.879385 \nthe steps used are 5 \n")


DIALOGUES = {"eigpair": eigpair, "quadpanel": quadpanel, "rootstep": rootstep}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in DIALOGUES:
        print("usage: pty_dialogue.py {%s} PATH" % ",".join(DIALOGUES))
        return 2
    terminal = Terminal(sys.argv[2])
    DIALOGUES[sys.argv[1]](terminal)
    terminal.finish()
    print("%s: every prompt appeared in order, each answer typed after it" % sys.argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
