"""The game's speed and size in a web page: tick times at the default and the largest settings in
headless Chromium, the load to the first frame from a local server, and the page's download after
gzip. A measurement, never a test; run by Debian's /usr/bin/python3 after make web:
    /usr/bin/python3 bench/web_page.py [build/web]
"""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import browser  # noqa: E402  (the browser tests' server and driver)

GOLDEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e', 'golden')


def tick_figures(driver, server, query, label):
    driver.get(server.url('?' + query))
    browser.wait_done(driver)
    times = sorted(driver.execute_script('return window.kelmoraTickTimes'))
    p99 = times[min(len(times) - 1, int(len(times) * 0.99))]
    print('%-34s %6d ticks  mean %.2f ms  median %.2f ms  p99 %.2f ms  max %.2f ms' %
          (label, len(times), statistics.mean(times), statistics.median(times), p99, times[-1]))


def paced_rate(driver, server, query, label, seconds):
    """Ticks a second at the page's own pace, over `seconds` of real time."""
    driver.get(server.url('?' + query))
    time.sleep(2)
    first = driver.execute_script('return window.kelmoraTickTimes.length')
    time.sleep(seconds)
    last = driver.execute_script('return window.kelmoraTickTimes.length')
    print('%-34s %.1f ticks a second' % (label, (last - first) / seconds))


def main():
    web = sys.argv[1] if len(sys.argv) > 1 else 'build/web'
    work = os.path.join(web, '..', 'web-measure')
    os.makedirs(work, exist_ok=True)
    total = 0
    for name in ('index.html', 'kelmora.js', 'kelmora.wasm'):
        with open(os.path.join(web, name), 'rb') as f:
            data = f.read()
        with open(os.path.join(work, name), 'wb') as f:
            f.write(data)
        packed = len(gzip.compress(data, 9))
        total += packed
        print('%-12s %8d bytes, %8d after gzip -9' % (name, len(data), packed))
    print('%-12s %8s        %8d after gzip -9' % ('the page', '', total))
    for script in ('default', 'largest'):
        with open(os.path.join(GOLDEN, script + '.txt'), 'rb') as f:
            data = f.read()
        with open(os.path.join(work, script + '.txt'), 'wb') as f:
            f.write(data)
    server = browser.Server(work)
    driver = browser.browser()
    try:
        loads = []
        for _ in range(5):
            driver.get(server.url('?seed=1'))
            deadline = time.time() + 30
            while driver.execute_script('return window.kelmoraFirstFrame') is None:
                if time.time() > deadline:
                    raise browser.Failure('no first frame')
                time.sleep(0.02)
            loads.append(driver.execute_script('return window.kelmoraFirstFrame'))
        print('load to the first frame: median %.0f ms of %s' %
              (statistics.median(loads), ', '.join('%.0f' % x for x in loads)))
        largest = 'set=drones:125&set=particles:5000&set=pickups:1500'
        tick_figures(driver, server, 'seed=1997&ticks=3000&replay=default.txt&fast=1',
                     'default settings (golden session)')
        tick_figures(driver, server, 'seed=125&ticks=2000&replay=largest.txt&fast=1&' + largest,
                     'largest settings (golden session)')
        paced_rate(driver, server, 'seed=125&ticks=100000&replay=largest.txt&' + largest,
                   'largest settings, paced', 10)
    finally:
        driver.quit()
        server.stop()


if __name__ == '__main__':
    main()
