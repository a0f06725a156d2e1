#!/usr/bin/env python3
"""Watches `preview --live` in headless Chromium, as a person would.

    live_browser.py PREVIEW FOLDER

Plays a small scene written into FOLDER (its own temporary folder) and checks
that the live image changes as gifts arrive, that 测试礼物 brings the sample
line, that a Save of a new colour shows in a live frame, that a reloaded page
plays on, that the page is refused without its token and listens on
127.0.0.1 only, and that Ctrl-C (SIGINT) ends the preview within seconds,
with a form open, leaving the scene file whole. Prints the frame rate and
the lag the page measured. Exits 0 when every check held, 1 otherwise, after
a line on stderr that names the check that failed ("check failed: …").
"""

import os
import queue
import signal
import subprocess
import sys
import threading
import time
import urllib.error
import urllib.request

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "companion"))
sys.dont_write_bytecode = True  # the import leaves no cache in the source tree
from form_browser import (CheckFailed, browser_refused, check, check_equal, open_browser, report,  # noqa: E402
                          set_colour, wait_for_state)

TIMEOUT = 60  # seconds; only a broken preview waits that long
SOURCE = "thanks_live"

SCENE = """scene {
  sources {
    %s {
      class = "Quillora答谢水友插件"
      x = 40
      y = 60
      data {
        font = "WenQuanYi Zen Hei"
        fontSize = %d
        color = -1
        show_second = 2
        delay_show_second = 0
        gift_limit_mode = 0
        is_no_thanks = 0
        is_save_record = 1
        save_folder = "%s"
      }
    }
  }
}
"""
# Two lines that take turns, the script looped.
SCRIPT = "00:00.5 阿飞 鲜花 10 2\n00:02.5 老王 跑车 1 1000\n"

# In the source's part of the live canvas: the frames shown so far, the
# width of the bright (white) ink and the number of red pixels.
INK_SCRIPT = """
const [x, y, h] = arguments;
const canvas = document.getElementById('scene');
const w = canvas.width - x;
const data = canvas.getContext('2d').getImageData(x, y, w, h).data;
let left = w, right = -1, red = 0;
for (let i = 0; i < data.length; i += 4) {
  const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
  const column = (i / 4) % w;
  if (r + g + b > 450) { left = Math.min(left, column); right = Math.max(right, column); }
  if (r > 180 && g < 90 && b < 90) ++red;
}
return [Number(document.body.dataset.frames), Math.max(0, right - left + 1), red];
"""
FONT_SIZE = 48


class Preview:
    def __init__(self, program, folder):
        self.scene = os.path.join(folder, "scene.txt")
        script = os.path.join(folder, "gifts.txt")
        with open(self.scene, "w", encoding="utf-8") as out:
            out.write(SCENE % (SOURCE, FONT_SIZE, folder))
        with open(script, "w", encoding="utf-8") as out:
            out.write(SCRIPT)
        self.lines = queue.Queue()
        self.process = subprocess.Popen(
            [program, "--live", "--script", script, "--settings", self.scene, "--out", os.path.join(folder, "out")],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, encoding="utf-8")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def wait_for_line(self, prefix):
        deadline = time.monotonic() + TIMEOUT
        while True:
            try:
                line = self.lines.get(timeout=max(0.1, deadline - time.monotonic()))
            except queue.Empty:
                raise CheckFailed(f"the preview printed no {prefix!r} for {TIMEOUT} s") from None
            check(line is not None, f"the preview ended before printing {prefix!r}")
            if line.startswith(prefix):
                return line[len(prefix):].strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def status_of(url):
    direct = urllib.request.build_opener(urllib.request.ProxyHandler({}))
    try:
        with direct.open(url, timeout=5) as response:
            return response.status
    except urllib.error.HTTPError as error:
        return error.code


def listening_addresses(port):
    """The local addresses of the sockets listening on `port`, from /proc."""
    found = []
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        with open(table) as rows:
            for row in list(rows)[1:]:
                local, state = row.split()[1], row.split()[3]
                address, hex_port = local.split(":")
                if state == "0A" and int(hex_port, 16) == port:
                    found.append(address)
    return found


def wait_until(driver, what, condition):
    try:
        return WebDriverWait(driver, TIMEOUT, poll_frequency=0.05).until(lambda d: condition())
    except Exception as error:
        raise CheckFailed(f"{what}: gave up after {TIMEOUT} s") from error


def ink(driver, place):
    return driver.execute_script(INK_SCRIPT, place["x"], place["y"], place["height"] + 24)


def check_refusals(url):
    port = int(url.split(":")[2].split("/")[0])
    root = url[:url.index("/", len("http://"))]
    check(status_of(url + "sources") == 200, "the page's own address is refused")
    check(status_of(root + "/") == 404, "the server answers without the token")
    check(status_of(root + "/0123456789abcdef0123456789abcdef/sources") == 404, "the server answers a wrong token")
    addresses = listening_addresses(port)
    check(addresses == ["0100007F"], f"the port is bound on {addresses}, not on 127.0.0.1 alone")


def run(program, folder):
    # The browser is ready before the scene starts, so that the page sees
    # the first gifts.
    driver = open_browser(os.path.join(folder, "profile"))
    preview = Preview(program, folder)
    try:
        url = preview.wait_for_line("live page: ")
        check_refusals(url)
        driver.get(url)
        wait_for_state(driver, "playing")
        sources = driver.execute_script(f"return await (await fetch('{url}sources')).json();")
        place = next((s for s in sources if s["name"] == SOURCE), None)
        check(place is not None, f"the page's sources: expected {SOURCE}, saw {[s['name'] for s in sources]}")

        # The two lines of the script take turns: the image changes as they
        # arrive ("…10个鲜花" is wider than "…1个跑车").
        seen = set()
        wait_until(driver, "the live image never changed", lambda: seen.add(ink(driver, place)[1]) or len(seen - {0}) >= 2)

        # The sample gift: its line is the one neither gift of the script shows.
        driver.find_element(By.CSS_SELECTOR, f"tr[data-source='{SOURCE}'] button.test-gift").click()
        record = os.path.join(folder, "gift_record.txt")
        wait_until(driver, "the sample gift was not received",
                   lambda: os.path.exists(record) and "测试观众\t测试礼物" in open(record, encoding="utf-8").read())
        # "感谢测试观众赠送的1个测试礼物" is two glyphs wider than any other line.
        wait_until(driver, "the sample line did not show", lambda: ink(driver, place)[1] > max(seen) + FONT_SIZE)

        fps = driver.find_element(By.TAG_NAME, "body").get_attribute("data-fps")
        lag = driver.find_element(By.TAG_NAME, "body").get_attribute("data-lag")
        print(f"live page: {fps} frames a second, {lag} ms behind the render")

        # A Save of a new colour shows in a live frame.
        check(ink(driver, place)[2] < 50, "red before the colour was saved")
        live_tab = driver.current_window_handle
        driver.find_element(By.CSS_SELECTOR, f"tr[data-source='{SOURCE}'] button.configure").click()
        form_url = preview.wait_for_line("settings form: ")
        wait_until(driver, "the page shows no link to the form", lambda: driver.find_elements(By.ID, "form"))
        check(driver.find_element(By.ID, "form").get_attribute("href") == form_url, "the page links another form")
        driver.switch_to.new_window("tab")
        driver.get(form_url)
        check(wait_for_state(driver, "ready", "failed") == "ready", "the form did not load its settings")
        set_colour(driver, "color", "#ff0000")
        driver.find_element(By.ID, "save").click()
        state = wait_for_state(driver, "saved", "refused", "failed", "invalid")
        check_equal("saving", "saved", state)
        driver.switch_to.window(live_tab)
        wait_until(driver, "the saved colour did not show", lambda: ink(driver, place)[2] > 200)
        check("color = -65536" in open(preview.scene, encoding="utf-8").read(), "the scene file lacks the colour")

        # A reloaded page plays on; the preview is not disturbed.
        driver.refresh()
        wait_until(driver, "the reloaded page does not play", lambda: ink(driver, place)[0] > 5)

        # Ctrl-C with a form open ends the preview within seconds.
        driver.find_element(By.CSS_SELECTOR, f"tr[data-source='{SOURCE}'] button.configure").click()
        preview.wait_for_line("settings form: ")
        started = time.monotonic()
        preview.process.send_signal(signal.SIGINT)
        try:
            code = preview.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise CheckFailed("the preview did not end within 10 s of Ctrl-C")
        print(f"the preview ended {time.monotonic() - started:.2f} s after Ctrl-C")
        check_equal("the preview's exit code", 0, code)
        leftovers = [name for name in os.listdir(folder) if ".new-" in name]
        check(not leftovers, f"half-written files left: {leftovers}")
        check("color = -65536" in open(preview.scene, encoding="utf-8").read(), "the scene file lost the colour")
    finally:
        driver.quit()
        preview.stop()


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        run(argv[1], argv[2])
    except CheckFailed as failure:
        report(failure)
        return 1
    except WebDriverException as error:
        report(browser_refused(error))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
