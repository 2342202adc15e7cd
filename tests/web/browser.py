"""The game in a real browser: headless Chromium driven through Selenium, against the page served
on the loopback address by Python's own http.server, checked against the native headless runner.

Usage: browser.py CHECK WEB_DIR RUNNER WORK_DIR [ARGS...]
  golden SCRIPT SHA256 [RUNNER OPTIONS...]  a golden session's script replayed in the page
                                            (fast=1&trace=1): its trace's digest and length
  random SEED TICKS                         random play, replayed in the page and by the
                                            runner: the traces byte for byte
  live                                      real keys and mouse through the menus and a flight,
                                            then Escape; the page's demo replays natively to
                                            the page's own trace
  paced SEED TICKS                          random play replayed at the page's own pace
                                            (no fast=1): the runner's trace, and no quicker
                                            than 60 ticks a second
  faults                                    sessions that fail at start-up, in a device read
                                            and in the display: the runner's traces (message
                                            boxes included) and exit statuses
  pixels SEED TICK                          the canvas after TICK equals the runner's --shot
                                            (and a bad setting ends the page with status 2)
Every check also fails on an error in the page's console. Run by Debian's /usr/bin/python3,
whose python3-selenium this needs; the tests registered in tests/e2e/web.cmake call it.
"""
import hashlib
import http.server
import os
import random
import re
import shutil
import socket
import subprocess
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import WebDriverException

PAGE_TIMEOUT = 600  # seconds for a whole run in the page


class Failure(Exception):
    pass


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class Server:
    """make web-play's server: python3 -m http.server on 127.0.0.1, over the work directory."""

    def __init__(self, directory):
        self.port = free_port()
        self.process = subprocess.Popen(
            [sys.executable, '-m', 'http.server', str(self.port), '--bind', '127.0.0.1',
             '--directory', directory],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while time.time() < deadline:
            try:
                socket.create_connection(('127.0.0.1', self.port), timeout=1).close()
                return
            except OSError:
                time.sleep(0.1)
        raise Failure('the page server did not start')

    def url(self, query=''):
        return 'http://127.0.0.1:%d/index.html%s' % (self.port, query)

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def browser():
    options = Options()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                     '--window-size=1280,1000', '--autoplay-policy=no-user-gesture-required'):
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def console_errors(driver):
    return [entry['message'] for entry in driver.get_log('browser') if entry['level'] == 'SEVERE']


def wait_done(driver, timeout=PAGE_TIMEOUT):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if driver.execute_script('return window.kelmoraDone === true'):
            return driver.execute_script('return window.kelmoraExit')
        time.sleep(0.25)
    raise Failure('the page did not finish within %d s' % timeout)


def page_trace(driver):
    # Fetched in pieces: a long trace is megabytes.
    count = driver.execute_script('return window.kelmoraTrace.length')
    lines = []
    step = 500
    for first in range(0, count, step):
        lines.extend(driver.execute_script(
            'return window.kelmoraTrace.slice(arguments[0], arguments[1])', first, first + step))
    return ''.join(line + '\n' for line in lines)


def query_of(runner_options):
    """The page's address parameters for the runner's --seed, --ticks and --set options."""
    parts = []
    i = 0
    while i < len(runner_options):
        name, value = runner_options[i], runner_options[i + 1]
        i += 2
        if name == '--set':
            parts.append('set=' + value.replace('=', ':'))
        else:
            parts.append(name[2:] + '=' + value)
    return parts


def run_native(runner, work, name, options):
    trace = os.path.join(work, name + '.native.jsonl')
    subprocess.run([runner] + options + ['--trace', trace, '--quiet'], check=True)
    with open(trace, encoding='utf-8') as f:
        return f.read()


def first_difference(a, b):
    la, lb = a.splitlines(), b.splitlines()
    for i, (x, y) in enumerate(zip(la, lb)):
        if x != y:
            return 'line %d differs:\n  page:   %s\n  native: %s' % (i, x[:400], y[:400])
    return 'the page wrote %d lines, the runner %d' % (len(la), len(lb))


def run_page(driver, server, query):
    driver.get(server.url('?' + '&'.join(query)))
    status = wait_done(driver)
    return status, page_trace(driver)


def check_golden(driver, server, work, runner, script, digest_file, options):
    shutil.copy(script, os.path.join(work, 'session.txt'))
    with open(digest_file, encoding='utf-8') as f:
        expected = next(line.split() for line in f if line.startswith('trace '))
    query = query_of(options) + ['replay=session.txt', 'fast=1', 'trace=1']
    status, trace = run_page(driver, server, query)
    if status != 0:
        raise Failure('the page exited with status %s' % status)
    digest = hashlib.sha256(trace.encode('utf-8')).hexdigest()
    lines = trace.count('\n')
    if [digest, str(lines)] != expected[1:3]:
        native = run_native(runner, work, 'golden', options + ['--script', script])
        raise Failure('the trace is not the golden one: ' + first_difference(trace, native))


def random_script(seed, ticks):
    """Random play: keys held and let go, presses, mouse motion and buttons, new games."""
    rng = random.Random(seed)
    keys = ['LEFT', 'RIGHT', 'UP', 'DOWN', 'SPACE', 'LMENU', 'P']
    held = set()
    lines = ['seed %d' % seed, '1 vk F1']
    for tick in range(2, ticks):
        roll = rng.random()
        if roll < 0.08:
            key = rng.choice(keys)
            lines.append('%d key %s %s' % (tick, key, 'up' if key in held else 'down'))
            held ^= {key}
        elif roll < 0.10:
            lines.append('%d press %s' % (tick, rng.choice(['UP', 'DOWN', 'LMENU', 'SPACE'])))
        elif roll < 0.13:
            lines.append('%d mouse %d %d' % (tick, rng.randint(-40, 40), rng.randint(-40, 40)))
        elif roll < 0.14:
            lines.append('%d button %d %s' % (tick, rng.randint(0, 1), rng.choice(['down', 'up'])))
        elif roll < 0.142:
            lines.append('%d vk F1' % tick)
    return '\n'.join(lines) + '\n'


def check_random(driver, server, work, runner, seed, ticks):
    path = os.path.join(work, 'session.txt')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(random_script(int(seed), int(ticks)))
    options = ['--ticks', ticks]
    native = run_native(runner, work, 'random', options + ['--script', path])
    status, trace = run_page(driver, server, query_of(options) + ['replay=session.txt', 'fast=1',
                                                                  'trace=1'])
    if trace != native:
        raise Failure('the page\'s trace is not the runner\'s: ' + first_difference(trace, native))
    if status != 0:
        raise Failure('the page exited with status %s' % status)


def check_paced(driver, server, work, runner, seed, ticks):
    path = os.path.join(work, 'session.txt')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(random_script(int(seed), int(ticks)))
    options = ['--ticks', ticks]
    native = run_native(runner, work, 'paced', options + ['--script', path])
    started = time.monotonic()
    status, trace = run_page(driver, server, query_of(options) + ['replay=session.txt',
                                                                  'trace=1'])
    elapsed = time.monotonic() - started
    if trace != native:
        raise Failure('the page\'s trace is not the runner\'s: ' + first_difference(trace, native))
    if status != 0:
        raise Failure('the page exited with status %s' % status)
    # Never more than 60 ticks a second (a refresh may run a tick 2 ms early).
    least = int(ticks) * (1000.0 / 60.0 - 2.0) / 1000.0
    if elapsed < least:
        raise Failure('%s ticks ran in %.2f s: the replay did not keep the game\'s pace'
                      % (ticks, elapsed))


# Sessions that end in a failure: the message boxes and exit statuses of the runner's traces.
FAULT_SESSIONS = {
    'start_up': 'seed 3\n0 fail keyboard-acquire\n',
    'keyboard': 'seed 3\n1 vk F1\n90 fail keyboard\n',
    'display': 'seed 3\n1 vk F1\n40 fail flip-lost\n60 fail flip-busy 3\n80 fail lock\n'
               '120 fail blit-busy 2\n200 fail mouse\n',
}


def check_faults(driver, server, work, runner):
    for name, text in sorted(FAULT_SESSIONS.items()):
        path = os.path.join(work, name + '.txt')
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)
        trace_path = os.path.join(work, name + '.native.jsonl')
        native_status = subprocess.run([runner, '--script', path, '--ticks', '300', '--trace',
                                        trace_path, '--quiet']).returncode
        with open(trace_path, encoding='utf-8') as f:
            native = f.read()
        status, trace = run_page(driver, server, ['ticks=300', 'replay=%s.txt' % name, 'fast=1',
                                                  'trace=1'])
        if trace != native:
            raise Failure('%s: the page\'s trace is not the runner\'s: %s'
                          % (name, first_difference(trace, native)))
        if status != native_status:
            raise Failure('%s: the page exited with status %s, the runner with %s'
                          % (name, status, native_status))


def png_pixels(path):
    """The RGB bytes of a PNG, through ImageMagick."""
    return subprocess.run(['convert', path, '-depth', '8', 'rgb:-'], check=True,
                          stdout=subprocess.PIPE).stdout


def check_pixels(driver, server, work, runner, seed, tick):
    # A setting out of its range: the game does not start, exit status 2, and the page says so.
    driver.get(server.url('?set=drones:999&fast=1'))
    if wait_done(driver, 60) != 2:
        raise Failure('a setting out of range did not end the page with status 2')
    if not driver.find_element(By.ID, 'ended').is_displayed():
        raise Failure('the page does not say that the game could not start')

    shot = os.path.join(work, 'shot.png')
    subprocess.run([runner, '--seed', seed, '--ticks', tick, '--shot', tick + ':' + shot,
                    '--quiet'], check=True)
    expected = png_pixels(shot)
    driver.get(server.url('?seed=%s&ticks=%s' % (seed, tick)))
    wait_done(driver)
    rgba = driver.execute_script('''
        const canvas = document.getElementById('canvas');
        const data = canvas.getContext('2d').getImageData(0, 0, 640, 480).data;
        let text = '';
        for (let i = 0; i < data.length; i += 4) {
          text += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
        }
        return btoa(text);''')
    import base64
    got = base64.b64decode(rgba)
    if got != expected:
        differing = sum(1 for i in range(0, len(got), 3) if got[i:i + 3] != expected[i:i + 3])
        raise Failure('%d of the canvas\'s pixels differ from the runner\'s shot' % differing)


class Player:
    """Real input events into the page: keys through the keyboard, the mouse over the canvas."""

    def __init__(self, driver):
        self.driver = driver
        self.canvas = driver.find_element(By.ID, 'canvas')

    def lines(self):
        return self.driver.execute_script('return window.kelmoraTrace.length')

    def wait_for(self, what, pattern, since=0, timeout=30):
        regex = re.compile(pattern)
        deadline = time.time() + timeout
        while time.time() < deadline:
            count = self.lines()
            recent = self.driver.execute_script(
                'return window.kelmoraTrace.slice(arguments[0])', max(since, count - 30))
            if any(regex.search(line) for line in recent):
                return
            time.sleep(0.1)
        raise Failure('the page never showed ' + what)

    def point(self, x, y):
        """Moves the pointer over frame pixel (x, y) of the letterboxed picture."""
        width = self.driver.execute_script('return arguments[0].clientWidth', self.canvas)
        height = self.driver.execute_script('return arguments[0].clientHeight', self.canvas)
        scale = min(width / 640, height / 480)
        left = (width - 640 * scale) / 2
        top = (height - 480 * scale) / 2
        dx = left + (x + 0.5) * scale - width / 2
        dy = top + (y + 0.5) * scale - height / 2
        ActionChains(self.driver).move_to_element_with_offset(self.canvas, int(dx),
                                                              int(dy)).perform()

    def click(self, x, y):
        self.point(x, y)
        time.sleep(0.2)
        ActionChains(self.driver).click_and_hold().pause(0.1).release().perform()

    def hold_right(self, x, y, seconds):
        self.point(x, y)
        time.sleep(0.2)
        actions = ActionBuilder(self.driver)
        actions.pointer_action.pointer_down(MouseButton.RIGHT)
        actions.pointer_action.pause(seconds)
        actions.pointer_action.pointer_up(MouseButton.RIGHT)
        actions.perform()

    def hold(self, key, seconds):
        ActionChains(self.driver).key_down(key).pause(seconds).key_up(key).perform()

    def tap(self, key):
        ActionChains(self.driver).key_down(key).pause(0.05).key_up(key).perform()


def check_live(driver, server, work, runner):
    driver.get(server.url('?seed=4242&trace=1'))
    player = Player(driver)
    player.canvas.click()
    menu = r'"menu":\{"cursor":\[\d+,\d+\],"main":%d,"options":%d,"exit":0'
    player.wait_for('the main menu', menu % (1, 0))
    # Options: the right button held over Enemy Number lowers it; Ok keeps it.
    player.click(320, 239)
    player.wait_for('the options panel', menu % (0, 1))
    player.hold_right(388, 219, 0.3)
    player.wait_for('fewer enemies', r'"drones":([1-9]|1[01]),')
    player.click(270, 279)
    player.wait_for('the main menu again', menu % (1, 0), since=player.lines())
    # New Game with the mouse, then a flight with the keys.
    player.click(320, 220)
    player.wait_for('a new game', r'"ships":\[\[0,0,0,0,100,1,', since=player.lines())
    since = player.lines()
    player.hold(Keys.ARROW_LEFT, 0.5)
    player.wait_for('the ship turning', r'"player":\{"heading":[1-9]', since=since)
    player.tap(Keys.ARROW_UP)
    player.wait_for('thrust after Up', r'"thrust":1,', since=since)
    since = player.lines()
    player.hold(Keys.SPACE, 1.0)
    player.wait_for('the player firing', r'"fire":1,', since=since)
    since = player.lines()
    player.tap(Keys.ALT)
    player.wait_for('a missile', r'"missiles":\{"next":\d+,"active":\[\[', since=since)
    # The page's sound button turns the sound off, for this game and the next visits.
    driver.find_element(By.ID, 'sound').click()
    # F1 starts a new game at once; Escape quits with status 0.
    player.tap(Keys.F1)
    time.sleep(0.5)
    player.tap(Keys.ESCAPE)
    status = wait_done(driver, 30)
    if status != 0:
        raise Failure('Escape ended the game with status %s' % status)
    if not driver.find_element(By.ID, 'ended').is_displayed():
        raise Failure('the page does not say that the game has ended')
    trace = page_trace(driver)
    demo = driver.execute_script('return Module.UTF8ToString(Module._kelmora_demo())')
    path = os.path.join(work, 'demo.txt')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(demo)
    native = run_native(runner, work, 'demo', ['--script', path, '--ticks', '1000000'])
    if native != trace:
        raise Failure('the page\'s demo does not replay to its trace: ' +
                      first_difference(trace, native))
    # The page remembers the settings: the next visit's first game has the fewer enemies, and
    # its demo says so.
    drones = re.findall(r'"drones":(\d+),', trace)[-1]
    driver.get(server.url('?seed=4243&trace=1'))
    player = Player(driver)
    player.wait_for('the remembered settings', r'"settings":\{"drones":%s,' % drones)
    remembered = driver.execute_script('return localStorage.getItem("kelmora.cfg")') or ''
    if not re.search(r'^sound\s*=\s*off\s*$', remembered, re.M):
        raise Failure('the page did not remember the sound turned off: ' + remembered[:300])
    demo = driver.execute_script('return Module.UTF8ToString(Module._kelmora_demo())')
    if ('set drones=%s\n' % drones) not in demo:
        raise Failure('the demo does not start with the remembered settings: ' + demo[:200])


def main(argv):
    check, web_dir, runner, work = argv[1:5]
    rest = argv[5:]
    os.makedirs(work, exist_ok=True)
    for name in ('index.html', 'kelmora.js', 'kelmora.wasm'):
        source = os.path.join(web_dir, name)
        if not os.path.exists(source):
            print('%s is missing: build the page with make web' % source)
            return 1
        shutil.copy(source, work)
    server = Server(work)
    driver = browser()
    failed = 0
    try:
        if check == 'golden':
            check_golden(driver, server, work, runner, rest[0], rest[1], rest[2:])
        elif check == 'random':
            check_random(driver, server, work, runner, *rest)
        elif check == 'paced':
            check_paced(driver, server, work, runner, *rest)
        elif check == 'faults':
            check_faults(driver, server, work, runner)
        elif check == 'pixels':
            check_pixels(driver, server, work, runner, *rest)
        elif check == 'live':
            check_live(driver, server, work, runner)
        else:
            raise Failure('unknown check ' + check)
        errors = console_errors(driver)
        if errors:
            raise Failure('the page\'s console has errors:\n  ' + '\n  '.join(errors))
    except (Failure, subprocess.CalledProcessError, WebDriverException) as failure:
        text = str(failure)
        if not isinstance(failure, Failure) and text:
            text = text.splitlines()[0]
        print('FAIL %s: %s' % (check, text))
        failed = 1
    finally:
        driver.quit()
        server.stop()
    print('%d passed, %d failed' % (1 - failed, failed))
    return failed


if __name__ == '__main__':
    sys.exit(main(sys.argv))
