#!/usr/bin/env python3
"""Writes the input scripts of the golden sessions. Run once; the scripts are kept as written.

    python3 tests/e2e/golden/make_scripts.py

Each session is a fixed random walk over the game's controls (its own fixed seed), so it can be
regenerated identically, but the checked-in scripts are what the golden traces were made from.
"""
import os
import random

DEATH = 1299  # the tick at which the menu session's player is destroyed
HERE = os.path.dirname(os.path.abspath(__file__))


def play(rng, lines, start, end, new_games=True, respawn_every=400):
    """Lively play from tick `start` to `end`: turning, thrust, firing, missiles, pauses, and a
    new game now and then (F1), so that a destroyed player comes back."""
    t = start
    held = set()

    def key(tick, name, down):
        lines.append(f"{tick} key {name} {'down' if down else 'up'}")

    next_new_game = start + respawn_every
    while t < end:
        choice = rng.random()
        if choice < 0.25:  # turn for a while
            name = rng.choice(["LEFT", "RIGHT"])
            length = rng.randint(2, 30)
            key(t, name, True)
            key(min(t + length, end), name, False)
        elif choice < 0.40:  # thrust up or down (acts on release)
            name = rng.choice(["UP", "UP", "DOWN"])
            key(t, name, True)
            key(t + rng.randint(1, 3), name, False)
        elif choice < 0.60:  # fire for a while
            if "SPACE" in held:
                key(t, "SPACE", False)
                held.discard("SPACE")
            else:
                key(t, "SPACE", True)
                held.add("SPACE")
        elif choice < 0.72:  # launch a missile
            key(t, "LMENU", True)
            key(t + rng.randint(1, 2), "LMENU", False)
        elif choice < 0.76:  # pause and resume
            key(t, "P", True)
            key(t + 2, "P", False)
            resume = t + rng.randint(10, 60)
            key(resume, "P", True)
            key(resume + 2, "P", False)
            t = resume + 3
        t += rng.randint(3, 25)
        if new_games and t >= next_new_game and t < end:
            lines.append(f"{t} press F1")
            lines.append(f"{t + 1} key F1 up")
            next_new_game = t + respawn_every + rng.randint(-100, 100)
            t += 2
    if "SPACE" in held:
        key(end, "SPACE", False)
    return lines


def click(lines, tick, dx, dy, hold=2):
    """Moves the cursor by (dx, dy) and clicks there."""
    lines.append(f"{tick} mouse {dx} {dy}")
    lines.append(f"{tick + 1} button 0 down")
    lines.append(f"{tick + 1 + hold} button 0 up")
    return tick + 2 + hold


def sort_ticks(lines):
    # Stable: lines of one tick keep the order they were written in.
    return sorted(lines, key=lambda line: int(line.split()[0]))


def write(name, header, lines):
    with open(os.path.join(HERE, name), "w") as out:
        out.write(header)
        out.write("\n".join(sort_ticks(lines)) + "\n")


def default_session():
    rng = random.Random(1997)
    lines = ["1 vk F1"]
    play(rng, lines, 2, 1400)
    # Then the player sits still, thrust down and guns quiet, so the drones get their chance.
    for t in (1410, 1413, 1416):
        lines.append(f"{t} key DOWN down")
        lines.append(f"{t + 1} key DOWN up")
    # The player's ship is destroyed at tick 2311; a new game follows, and some more play.
    lines.append("2360 press F1")
    lines.append("2361 key F1 up")
    play(rng, lines, 2365, 2950, new_games=False)
    return lines


def largest_session():
    rng = random.Random(125)
    lines = ["1 vk F1"]
    play(rng, lines, 2, 1800, respawn_every=600)
    return lines


def menu_session():
    # The cursor starts at (320, 240), over the Options button.
    lines = []
    t = 20
    t = click(lines, t, 0, 0)  # Options
    t = click(lines, t + 10, 68, -40)  # jitter check box (388, 200)
    t += 10
    # Raise the drones (row centre 389, 220): left button held.
    lines.append(f"{t} mouse 0 20")
    lines.append(f"{t + 1} button 0 down")
    lines.append(f"{t + 31} button 0 up")
    t += 40
    # Lower the explosion particles (row at y 239): right button held.
    lines.append(f"{t} mouse 0 19")
    lines.append(f"{t + 1} button 1 down")
    lines.append(f"{t + 41} button 1 up")
    t += 50
    # Raise the pickups (row at y 258): left held, with the right pressed too for a while.
    lines.append(f"{t} mouse 0 19")
    lines.append(f"{t + 1} button 0 down")
    lines.append(f"{t + 20} button 1 down")
    lines.append(f"{t + 30} button 1 up")
    lines.append(f"{t + 60} button 0 up")
    t += 70
    t = click(lines, t, -19, 21)  # Cancel (370, 279): everything back
    t = click(lines, t + 10, -50, -39)  # Options again (320, 240)
    t = click(lines, t + 10, 68, -40)  # jitter (388, 200)
    lines.append(f"{t + 5} mouse 0 20")  # drones row (388, 220)
    lines.append(f"{t + 6} button 0 down")
    lines.append(f"{t + 12} button 1 down")
    lines.append(f"{t + 14} button 1 up")
    lines.append(f"{t + 12 + 36} button 0 up")
    lines.append(f"{t + 55} mouse 0 19")  # particles row (388, 239)
    lines.append(f"{t + 56} button 0 down")
    lines.append(f"{t + 156} button 0 up")
    t += 165
    # A sweep of the cursor over the panel and off the screen edges.
    for dx, dy in [(300, 300), (-900, 0), (0, -900), (200, 150), (120, 90)]:
        lines.append(f"{t} mouse {dx} {dy}")
        t += 3
    # The cursor is now at (320, 240) again; OK lies at (270, 279).
    t = click(lines, t + 5, -50, 39)
    t = click(lines, t + 10, 50, -30)  # Exit (320, 249 is on the line: nothing)
    t = click(lines, t + 10, 0, 9)  # Exit (320, 258)
    t = click(lines, t + 10, 80, -8)  # No (400, 250)
    t = click(lines, t + 10, -80, -30)  # New Game (320, 220)
    # Play a while with the new settings.
    rng = random.Random(51)
    play(rng, lines, t + 5, t + 400, new_games=False)
    t += 410
    # Then the player sits still with thrust down and no fire until the drones destroy the ship.
    # Motion while the ship flies is only added up, so the cursor is first sent to the corner.
    for name in ["DOWN", "DOWN", "DOWN"]:
        lines.append(f"{t} key {name} down")
        lines.append(f"{t + 1} key {name} up")
        t += 3
    lines.append(f"{t} key SPACE up")
    return lines, t


def menu_after_death(lines, t):
    """The menu again once the player's ship is gone (from tick t): exit dialog and No, the
    options with OK, and at last the exit dialog and Yes, which ends the session."""
    lines.append(f"{t} mouse -2000 -2000")  # to (0, 0)
    t = click(lines, t + 5, 320, 258)  # Exit
    t = click(lines, t + 10, 80, -8)  # No (400, 250)
    t = click(lines, t + 10, -80, -10)  # Options (320, 240)
    t = click(lines, t + 10, 68, -40)  # jitter (388, 200)
    t = click(lines, t + 10, -118, 79)  # OK (270, 279)
    t = click(lines, t + 10, 50, -21)  # Exit (320, 258)
    t = click(lines, t + 10, -85, -8)  # Yes (235, 250)
    return t


def main():
    write("default.txt",
          "# Golden session at the default settings: fights, shots, missiles, pauses, deaths and\n"
          "# new games. Written by make_scripts.py.\n",
          default_session())
    write("largest.txt",
          "# Golden session at the largest settings (125 drones, 5000 particles, 1500 pickups).\n"
          "# Written by make_scripts.py.\n",
          largest_session())
    lines, _ = menu_session()
    # The player's ship is destroyed at tick DEATH; the menus come back.
    menu_after_death(lines, DEATH + 30)
    write("menu.txt",
          "# Golden session in the menus: the options panel (jitter, held values, Cancel, OK), the\n"
          "# exit dialog, a new game with the changed settings and some play. Written by\n"
          "# make_scripts.py.\n",
          lines)


if __name__ == "__main__":
    main()
