"""What drives the real program from outside, shared by the end-to-end tests
(tests/e2e) and the program's benchmark (bench/app_perf.py): a throw-away X
desktop to run it on (xsession) and a fast X client to watch it (xprobe).
The end-to-end tests reach it through tests/e2e/harness, a link to this
folder."""
