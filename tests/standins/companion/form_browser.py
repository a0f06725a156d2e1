#!/usr/bin/env python3
"""Drives the settings form in headless Chromium, as a person would.

    form_browser.py ACTION URL PROFILE_DIR [PNG]

ACTION is one of
  save        change fontSize, color, outline and thanks_string, check the
              sample line follows, send a test gift, press Save and wait
              until it is saved;
  cancel      try to save an invalid size (the page must refuse it without
              asking the server), then press Cancel;
  close       leave the page without an answer (closing counts as Cancel);
  screenshot  write the page to PNG, then press Cancel.
Exits 0 when every check held, 1 otherwise, after a line on stderr that
names the check that failed: "check failed: ACTION: what was expected and
what was seen".
"""

import sys
import time
import traceback
import urllib.error
import urllib.request

from selenium import webdriver
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

TIMEOUT = 60  # seconds; only a broken page waits that long

NEW_THANKS = "多谢$sender$送的$num$个$gift$"


class CheckFailed(Exception):
    pass


def check(condition, reason):
    if not condition:
        raise CheckFailed(reason)


def check_equal(what, expected, seen):
    check(seen == expected, f"{what}: expected {expected!r}, saw {seen!r}")


def report(failure):
    """The line a failed check leaves on stderr, which the test programs quote."""
    print(f"check failed: {failure}", file=sys.stderr)


def browser_refused(error):
    """A step the browser could not take, as a failed check: the script's line
    that asked for it and the first line of the browser's answer."""
    step = [frame for frame in traceback.extract_tb(error.__traceback__) if frame.filename.endswith("_browser.py")]
    answer = (error.msg or type(error).__name__).splitlines()[0]
    return CheckFailed(f"{step[-1].line if step else 'the browser'}: {answer}")


def open_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--no-proxy-server", f"--user-data-dir={profile}", "--window-size=980,1300"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(executable_path="/usr/bin/chromedriver"), options=options)


def page_state(driver):
    return driver.find_element(By.TAG_NAME, "body").get_attribute("data-state")


def wait_for_state(driver, *states):
    try:
        WebDriverWait(driver, TIMEOUT).until(lambda d: page_state(d) in states)
    except TimeoutException:
        raise CheckFailed(f"the page's state: expected {' or '.join(states)}, "
                          f"saw {page_state(driver)!r} for {TIMEOUT} s") from None
    return page_state(driver)


def field(driver, name):
    return driver.find_element(By.NAME, name)


def type_into(driver, name, text):
    element = field(driver, name)
    element.clear()
    element.send_keys(text)


def set_colour(driver, name, value):
    # A colour picker opens a dialog no driver can reach; set it as the
    # picker would, with the event it fires.
    driver.execute_script(
        "arguments[0].value = arguments[1];"
        "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));", field(driver, name), value)


def sample_style(driver, prop):
    return driver.execute_script(
        "return getComputedStyle(document.getElementById('sample')).getPropertyValue(arguments[0]);", prop)


def save(driver):
    type_into(driver, "fontSize", "72")
    set_colour(driver, "color", "#3366cc")
    outline = field(driver, "outline")
    check(not outline.is_selected(), "outline was already on")
    outline.click()
    type_into(driver, "thanks_string", NEW_THANKS)
    check_equal("the sample's size", "72px", sample_style(driver, "font-size"))
    check_equal("the sample's colour", "rgb(51, 102, 204)", sample_style(driver, "color"))
    check(sample_style(driver, "-webkit-text-stroke-width") != "0px", "the sample shows no outline")
    sample = driver.find_element(By.ID, "sample").text
    check(sample.startswith("多谢小明送的2个火箭"), f"the sample line reads {sample!r}")
    driver.find_element(By.ID, "test-gift").click()
    try:
        WebDriverWait(driver, TIMEOUT).until(lambda d: d.find_element(By.ID, "status").text == "示例礼物已送出")
    except TimeoutException:
        status = driver.find_element(By.ID, "status").text
        raise CheckFailed(f"the test gift's status: expected '示例礼物已送出', saw {status!r} for {TIMEOUT} s") from None
    driver.find_element(By.ID, "save").click()
    state = wait_for_state(driver, "saved", "refused", "failed", "invalid")
    check(state == "saved", f"saving ended in {state}: {driver.find_element(By.ID, 'status').text}")


def cancel(driver):
    type_into(driver, "fontSize", "0")
    driver.find_element(By.ID, "save").click()
    state = wait_for_state(driver, "invalid", "saving", "saved", "refused")
    check(state == "invalid", f"an invalid size was not refused by the page: {state}")
    driver.find_element(By.ID, "cancel").click()
    state = wait_for_state(driver, "cancelled", "failed")
    check(state == "cancelled", f"cancelling ended in {state}")


def server_answers(url):
    direct = urllib.request.build_opener(urllib.request.ProxyHandler({}))
    try:
        with direct.open(url + "settings", timeout=5):
            return True
    except (urllib.error.URLError, ConnectionError):
        return False


def close(driver, url):
    driver.get("about:blank")
    # The beacon goes out as the page leaves; the browser must stay until the
    # form has taken it, which ends its server.
    deadline = time.monotonic() + TIMEOUT
    while server_answers(url):
        check(time.monotonic() < deadline, "leaving the page did not close the form")
        time.sleep(0.05)


def screenshot(driver, png):
    check(driver.save_screenshot(png), f"cannot write {png}")
    cancel_only(driver)


def cancel_only(driver):
    driver.find_element(By.ID, "cancel").click()
    wait_for_state(driver, "cancelled")


def main(argv):
    if len(argv) < 4 or argv[1] not in ("save", "cancel", "close", "screenshot"):
        print(__doc__, file=sys.stderr)
        return 2
    action, url, profile = argv[1], argv[2], argv[3]
    driver = open_browser(profile)
    try:
        driver.get(url)
        check(wait_for_state(driver, "ready", "failed") == "ready", "the form did not load its settings")
        if action == "save":
            save(driver)
        elif action == "cancel":
            cancel(driver)
        elif action == "close":
            close(driver, url)
        else:
            screenshot(driver, argv[4])
    except CheckFailed as failure:
        report(f"{action}: {failure}")
        return 1
    except WebDriverException as error:
        report(f"{action}: {browser_refused(error)}")
        return 1
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
