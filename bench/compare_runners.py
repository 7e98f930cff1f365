#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays random year-long scripts through two builds of kelpmark-sim and reports
every script whose logs differ: a refactoring must leave the output untouched.

    bench/compare_runners.py OLD_SIM NEW_SIM [--count 500] [--seed 1] [--keep DIR]

Each script starts a game and plays about a year: mostly at one game hour a tick,
with stretches at the slow speeds, and every command a player has (clicks on every
button, spins, drop-down choices, list clicks, answers, closes, minimize and
restore, help), with a dump every few hundred commands and at the end.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

CLICKS = [
    "MainForm." + n for n in (
        "FishBtn TorgBtn MaxBtn StopBtn StorageBtn LotBtn ShopBtn OfficeBtn StuffBtn SalerBtn "
        "AccounterBtn ManagerBtn ActionsBtn StatsBtn WokrersBtn BuildingsBtn TimeLbl Img1on "
        "Img2on Img3on Img4on").split()
] + ["PersForm." + n for n in "UpBtn LoBtn WokrersBtn BuildingsBtn FireBtn CloseBtn GradBtn1".split()] \
  + ["BuildForm." + n for n in "RemBtn UpgBtn FireBtn CloseBtn GradBtn1".split()] \
  + ["ActionForm." + n for n in "UpSalBtn PayPremBtn GradBtn1 AdBtn".split()]
# Buying, hiring and building come up more often, so that companies grow.
BUSY = ["MainForm." + n for n in
        "FishBtn MaxBtn TorgBtn StorageBtn LotBtn ShopBtn StuffBtn SalerBtn ManagerBtn".split()]
BOXES = [("ActionForm.AdBox", 8), ("ActionForm.DivBox", 5), ("PersForm.PersBox", 4),
         ("BuildForm.BuildBox", 3)]
HOURS_A_YEAR = 366 * 24


def script(rng):
    lines = ["new %d" % rng.randrange(-2**31, 2**32), "speed 5"]
    hours = 0.0
    count = 0
    while hours < HOURS_A_YEAR:
        count += 1
        r = rng.random()
        if r < 0.22:
            n = rng.choice((1, 1, 2, 3, 6, 12, 24, 48))
            # A new game after a loss starts at one minute a tick.
            if rng.random() < 0.3:
                lines.append("speed 5")
            lines.append("tick %d" % n)
            hours += n
        elif r < 0.24:
            # A stretch at a slow speed, back to one hour a tick after it.
            level = rng.choice((1, 2, 3, 4))
            n = rng.randrange(1, 400)
            lines += ["speed %d" % level, "tick %d" % n, "speed 5"]
            hours += n * {1: 1 / 60, 2: 1 / 60, 3: 1 / 12, 4: 1 / 4}[level]
        elif r < 0.45:
            lines.append("click " + rng.choice(BUSY))
        elif r < 0.62:
            click = rng.choice(CLICKS)
            lines.append("click " + click)
            # The clock label and the lamps set the speed: back to one hour a tick.
            if "TimeLbl" in click or "Img" in click:
                lines.append("speed 5")
        elif r < 0.68:
            lines.append("spin MainForm.PSpn %s %d" % (rng.choice(("up", "down")), rng.randrange(1, 8)))
        elif r < 0.75:
            box, items = rng.choice(BOXES)
            lines.append("choose %s %d" % (box, rng.randrange(items)))
        elif r < 0.80:
            lines.append("select %s %d" % (rng.choice(("PersForm.PersList", "BuildForm.BuildList")),
                                           rng.randrange(8)))
        elif r < 0.83:
            # Answers wait in a queue until a question takes them, a lost game's too:
            # mostly yes, so that a lost game mostly goes on with a new one.
            words = rng.choices(("yes", "no", "cancel"), weights=(60, 2, 1), k=rng.randrange(1, 3))
            lines.append("answer " + " ".join(words))
        elif r < 0.90:
            lines.append("close " + rng.choice(("PersForm", "BuildForm", "ActionForm")))
        elif r < 0.92:
            lines += [rng.choice(("minimize", "restore", "help", "about")), "speed 5"]
        else:
            lines.append("click MainForm." + rng.choice(("WokrersBtn", "BuildingsBtn", "ActionsBtn")))
        if count % 400 == 0:
            lines.append("dump")
    lines.append("dump")
    return "\n".join(lines) + "\n"


def run(sim, path, workdir):
    done = subprocess.run([sim, path], cwd=workdir, capture_output=True)
    return done.returncode, done.stdout, done.stderr


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=500)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep", help="folder that keeps the scripts and the differing logs")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    folder = args.keep or tempfile.mkdtemp(prefix="kelpmark-compare-")
    os.makedirs(folder, exist_ok=True)
    differing = 0
    lines = 0
    for i in range(args.count):
        path = os.path.join(folder, "year%04d.txt" % i)
        with open(path, "w") as f:
            f.write(script(rng))
        old = run(os.path.abspath(args.old), path, folder)
        new = run(os.path.abspath(args.new), path, folder)
        lines += old[1].count(b"\n")
        if old != new:
            differing += 1
            for name, result in (("old", old), ("new", new)):
                with open(path[:-4] + "." + name + ".out", "wb") as f:
                    f.write(result[1] + result[2])
            print("differs:", path, file=sys.stderr)
    if differing or args.keep:
        print("%d scripts, %d log lines, %d differ (in %s)" % (args.count, lines, differing, folder))
    else:
        print("%d scripts, %d log lines, all the same" % (args.count, lines))
        shutil.rmtree(folder)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
