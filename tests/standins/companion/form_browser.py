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
Exits 0 when every check held, 1 with the reason otherwise.
"""

import sys
import time
import urllib.error
import urllib.request

from selenium import webdriver
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


def open_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--no-proxy-server", f"--user-data-dir={profile}", "--window-size=980,1300"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(executable_path="/usr/bin/chromedriver"), options=options)


def wait_for_state(driver, *states):
    WebDriverWait(driver, TIMEOUT).until(
        lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-state") in states)
    return driver.find_element(By.TAG_NAME, "body").get_attribute("data-state")


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
    check(sample_style(driver, "font-size") == "72px", "the sample's size did not follow")
    check(sample_style(driver, "color") == "rgb(51, 102, 204)", "the sample's colour did not follow")
    check(sample_style(driver, "-webkit-text-stroke-width") != "0px", "the sample shows no outline")
    sample = driver.find_element(By.ID, "sample").text
    check(sample.startswith("多谢小明送的2个火箭"), f"the sample line reads {sample!r}")
    driver.find_element(By.ID, "test-gift").click()
    WebDriverWait(driver, TIMEOUT).until(lambda d: d.find_element(By.ID, "status").text == "示例礼物已送出")
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
        print(f"form_browser.py {action}: {failure}", file=sys.stderr)
        return 1
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
