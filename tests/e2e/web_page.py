"""Drives the web page for phones in Chromium at a phone's size.

Usage: web_page.py ADDRESS TESSALYCTL HID_LOG WORK_DIR [SCREENSHOT]
       web_page.py --language LANGUAGE ADDRESS WORK_DIR ON_AIR_WORDS
         (a browser set to LANGUAGE: the page in it, its on-air button reading ON_AIR_WORDS)
"""
import json
import subprocess
import sys
import threading
import urllib.error
import urllib.request
from http.server import BaseHTTPRequestHandler, HTTPServer

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

language = sys.argv[2] if sys.argv[1] == "--language" else None
if language:
    address, work, on_air_words = sys.argv[3:6]
else:
    address, ctl, hid_log, work = sys.argv[1:5]
    screenshot = sys.argv[5] if len(sys.argv) > 5 else ""
base = address.split("/?")[0]


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def tune_reports():
    """The TuneReports the fake transmitter received, as hex."""
    with open(hid_log) as log:
        reports = [line.split()[1] for line in log if line.startswith("report ")]
    return [report for report in reports if report[4:6] == "50"]


def on_air(report):
    return int(report[12:14], 16) & 1 == 1


def status():
    return json.loads(subprocess.run([ctl, "status", "--json"], capture_output=True, check=True).stdout)


def expect_cut_off(case):
    """Nothing on the page passes for the transmitter's state, and no control looks live."""
    live = driver.execute_script("return [...document.querySelectorAll('main button, main input')]"
                                 ".filter((control) => !control.disabled).map((control) => control.id)")
    shown = driver.find_element(By.ID, "frequency").text
    if live or shown != "–" or driver.find_element(By.ID, "onair").text != "Unknown":
        fail(f"a page {case} still shows {shown}, live controls {live}")


def web_address():
    return subprocess.run([ctl, "web", "address"], capture_output=True, check=True, text=True).stdout.strip()


def refused(url, code):
    try:
        urllib.request.urlopen(url)
    except urllib.error.HTTPError as error:
        return error.code == code
    return False


# Another site on this machine, whose page tries to change the transmitter with the page's cookie.
class OtherSite(BaseHTTPRequestHandler):
    def do_GET(self):
        page = f"""<!doctype html><title>other</title><script>
fetch("{base}/set", {{method: "POST", mode: "no-cors", credentials: "include",
  body: JSON.stringify({{set: "OnAir", value: false}})}}).catch(() => {{}}).finally(() => {{
  const socket = new WebSocket("{base.replace('http', 'ws')}/socket");
  socket.onopen = () => socket.send(JSON.stringify({{set: "OnAir", value: false}}));
  socket.onclose = () => {{ document.title = "done"; }};
}});
</script>""".encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def log_message(self, *arguments):
        pass


options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--user-data-dir=" + work + "/chromium"):
    options.add_argument(argument)
if language:
    options.add_argument("--lang=" + language)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
# The narrowest phones in use.
options.add_experimental_option("mobileEmulation",
                                {"deviceMetrics": {"width": 320, "height": 640, "pixelRatio": 2.0}})
driver = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))
# Generous: the machine is shared and the program may run under the sanitizers.
wait = WebDriverWait(driver, 30)
if language:
    try:
        driver.get(address)
        wait.until(lambda d: d.find_element(By.ID, "onair").text == on_air_words)
        if driver.execute_script("return document.documentElement.lang") != language:
            fail(f"the page for a browser set to {language} is not in it")
        if driver.execute_script("return document.documentElement.scrollWidth") > 320:
            fail("the page scrolls sideways at 320 px")
    finally:
        driver.quit()
    sys.exit(0)
try:
    driver.get(address)
    # The button says what a tap does.
    wait.until(lambda d: d.find_element(By.ID, "onair").text == "Go on air")
    if "token" in driver.current_url:
        fail("the token stayed in the address bar: " + driver.current_url)
    if driver.execute_script("return document.documentElement.scrollWidth") > 320:
        fail("the page scrolls sideways at 320 px")

    sent = len(tune_reports())
    driver.find_element(By.ID, "onair").click()
    wait.until(lambda d: any(on_air(report) for report in tune_reports()[sent:]))
    wait.until(lambda d: d.find_element(By.ID, "onair").text == "Go off air")

    subprocess.run([ctl, "frequency", "98.5"], check=True)
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98.50 MHz")

    # A browser that asks for German: the page in German, its numbers in German, and a comma typed taken.
    agent = driver.execute_script("return navigator.userAgent")
    driver.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "de-AT,de;q=0.9"})
    driver.get(base + "/")
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98,50 MHz")
    if driver.execute_script("return document.documentElement.lang") != "de":
        fail("the page for a German browser is not German")
    driver.find_element(By.ID, "typed").send_keys("98,7\n")
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98,70 MHz")
    driver.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "en"})
    subprocess.run([ctl, "frequency", "98.5"], check=True)
    driver.get(base + "/")
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98.50 MHz")

    # A refusal, in MHz as typed, where a thumb scrolled down to the sliders still sees it.
    driver.execute_script("window.scrollTo(0, document.body.scrollHeight)")
    driver.find_element(By.ID, "typed").send_keys("120\n")
    wait.until(lambda d: d.find_element(By.ID, "message").text.startswith("120.00 MHz: only 87.50 MHz"))
    if driver.execute_script("return document.getElementById('message').getBoundingClientRect().top") < 0:
        fail("the refusal is out of sight")
    if screenshot:
        driver.save_screenshot(screenshot)

    if not refused(base + "/?token=" + "0" * 32, 401) or not refused(base + "/", 401):
        fail("a wrong or missing token was not answered 401")

    other = HTTPServer(("127.0.0.1", 0), OtherSite)
    threading.Thread(target=other.serve_forever, daemon=True).start()
    sent = len(tune_reports())
    driver.get(f"http://127.0.0.1:{other.server_port}/")
    wait.until(lambda d: d.title == "done")
    if status()["OnAir"] is not True or len(tune_reports()) != sent:
        fail("another site's page changed the transmitter")

    # The phone let in: the page at the address of the network with the default route, not the bridge's.
    subprocess.run([ctl, "web", "network", "on"], check=True)
    phone_address = web_address()
    if not phone_address.startswith("http://198.51.100.7:"):
        fail("the address for a phone is " + phone_address)
    driver.get(phone_address)
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98.50 MHz")
    # Let out again: that page is cut off at once, and tries again.
    subprocess.run([ctl, "web", "network", "off"], check=True)
    wait.until(lambda d: "trying again" in d.find_element(By.ID, "status").text)
    expect_cut_off("cut off")

    # Renewed: a page that is open says so and stops trying.
    driver.get(address)
    wait.until(lambda d: d.find_element(By.ID, "frequency").text == "98.50 MHz")
    subprocess.run([ctl, "web", "renew"], check=True)
    wait.until(lambda d: "This address was renewed" in d.find_element(By.ID, "message").text)
    expect_cut_off("renewed")
finally:
    driver.quit()
