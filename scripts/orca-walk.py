#!/usr/bin/env python3
"""Walks the tool's pages with Tab under Orca and prints what Orca said.

Run by scripts/orca-check.sh inside a D-Bus session on a virtual X server:
    orca-walk.py TOOL SIMULATOR WORK_FOLDER
The tool and Orca speak the language of LANG (LANGUAGE, LC_ALL,
LC_MESSAGES); the names expected are the tool's translations of the ones
below, from translations/tagorix_<language>.ts.
"""
import gettext
import glob
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

tool, sim, work = sys.argv[1:4]

# The name of each page's focus stops when connected, in tab order (F6 to F8
# are disabled). Around the pages: the output box, the top row, the tab strip.
PAGES = [
    ("Online", ["Read ID", "ID or barcode", "read continously", "Scan barcode", "Read text block", "Content",
                "Write text block", "from", "to", "Read Hex", "Key", "Write Hex", "Key A", "Key B"]),
    ("Control", ["Buzzer", "Keyboard", "Clear Display", "Show text", "Display line", "Display text"]),
    ("Configuration", ["PC-Time", "Set time", "Transponder", "Set tag type", "Switch off time", "off",
                       "Set switch off time", "read timeout", "Set timeout", "FDX Code", "Set FDX code",
                       "Enable buzzer", "Set enable buzzer", "Mode", "Set mode", "Language", "Set language",
                       "F1 function", "F2 function", "F3 function", "F4 function", "F5 function", "Set menu"]),
    ("Barcode", ["Register", "Value", "Read", "Write"]),
    ("Data exchange", ["Read out records", "save in", "Choose the file to save in", "Erase records",
                       "Load custom codes", "read from", "Choose the file to read from", "Erase custom codes",
                       "Read out custom codes", "Statistic", "Statistic result"]),
]
PAUSE = float(os.environ.get("TAGORIX_ORCA_PAUSE", "2"))


def tool_texts():
    """The tool's translations into this session's language; none for English."""
    setting = next((os.environ[v] for v in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG") if os.environ.get(v)), "")
    language = setting.split(":")[0][:2]
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations",
                        "tagorix_%s.ts" % language)
    if not os.path.exists(path):
        return {}
    texts = {}
    for message in ElementTree.parse(path).iter("message"):
        texts.setdefault(message.findtext("source"), message.findtext("translation"))
    return texts


TEXTS = tool_texts()
# How Orca names the tab strip's role, in its language.
TAB_LIST = gettext.translation("at-spi2-core", "/usr/share/locale", fallback=True).gettext("page tab list")


def spoken(name):
    """A control's name as the tool gives it: a label's text without its colon."""
    for source in (name, name + ":", name + " "):
        if source in TEXTS:
            return TEXTS[source].replace(":", "").strip()
    function = re.match(r"F(\d) function$", name)
    if function and "F%1 function" in TEXTS:
        return TEXTS["F%1 function"].replace("%1", function.group(1))
    return name

children = []


def start(*command, **kwargs):
    process = subprocess.Popen(list(command), **kwargs)
    children.append(process)
    return process


def key(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)


def speech_log():
    logs = glob.glob(os.path.join(work, "speech", "speech-dispatcher.log"))
    return logs[0] if logs else None


def log_size():
    log = speech_log()
    return os.path.getsize(log) if log else 0


# speech-dispatcher at LogLevel 5 logs each message it is asked to speak,
# once as "escaped ssml '<speak>...</speak>' to 'plain text'".
SPEAK = re.compile(r"\] speechd:\s+escaped ssml '.*' to '(.*)'$", re.M)


def said_since(offset):
    time.sleep(PAUSE)
    log = speech_log()
    if not log:
        return []
    with open(log, "rb") as f:
        f.seek(offset)
        text = f.read().decode("utf-8", "replace")
    return [s.strip() for s in SPEAK.findall(text)]


def press(*names):
    offset = log_size()
    key(*names)
    return said_since(offset)


def to_tab_strip():
    """Tabs on until Orca announces the tab strip ("... page tab list")."""
    for _ in range(12):
        said = press("Tab")
        if any(s.endswith(TAB_LIST + ".") for s in said):
            print("   on the tab strip:", said)
            return
    raise SystemExit("orca-walk: the tab strip was never announced")


def names(said, name):
    """Whether an utterance starts with the control's name."""
    start = re.compile(re.escape(name) + r"(\W|$)", re.I)
    return any(start.match(s) for s in said)


def main():
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    time.sleep(1)
    start("openbox", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    start("orca", "--replace", "--debug-file=" + os.path.join(work, "orca-debug.out"),
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(4)
    simulator = start(sim, "--port", "1", "--baud", "0", stdout=subprocess.PIPE, text=True)
    print("simulator on", simulator.stdout.readline().strip())
    start(tool)
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "Tagorix Tool"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True)
    time.sleep(3)
    if not speech_log():
        print("orca-check: Orca said nothing; see", work, file=sys.stderr)
        return 1

    # The port list has the focus (usable only while no port is open): a
    # change with the arrow keys; then its button, Connect, which is pressed.
    print("start:", said_since(0))
    print("Down on the port list:", press("Down"))
    print("Up:", press("Up"))
    print("Tab:", press("Tab"))
    print("Tab:", press("Tab"))
    print("Space on Connect:", press("space"))
    offset = log_size()
    time.sleep(4)
    print("while connecting:", said_since(offset))
    to_tab_strip()

    counts = []
    for index, (page, stop_names) in enumerate(PAGES):
        if index:
            print("Right on the tab strip:", press("Right"))
        print("== %s" % spoken(page))
        heard = 0
        for stop, name in enumerate(stop_names, 1):
            said = [s for s in press("Tab") if s.lower() != "tab"]
            named = names(said, spoken(name))
            heard += named
            print("%2d %-5s %s" % (stop, "named" if named else "-", " | ".join(said) or "(only \"tab\")"))
            if page == "Online" and stop == 1:
                print("    Space (Read ID):", press("space"))
            if page == "Online" and stop == len(stop_names):
                print("    Space:", press("space"))
                print("    Space:", press("space"))
        counts.append((spoken(page), heard, len(stop_names)))
        print("   next:", press("Tab"))
        if index == 0:
            print("    Up:", press("Up"))
            print("    Up:", press("Up"))
        to_tab_strip()

    # On the tab strip, Data exchange in front: the page-switching keys.
    print("Ctrl+Shift+Tab:", press("ctrl+shift+Tab"))
    print("Ctrl+Tab:", press("ctrl+Tab"))
    print("Tab into the page, then Ctrl+PageUp:", press("Tab"), press("ctrl+Prior"))
    print("Ctrl+PageDown:", press("ctrl+Next"))

    print("== Focus stops spoken with their control's name")
    for page, heard, stops in counts:
        print("%-14s %2d of %2d" % (page, heard, stops))
    total = sum(c[1] for c in counts)
    print("%-14s %2d of %2d" % ("all", total, sum(c[2] for c in counts)))
    return 0


try:
    code = main()
finally:
    for process in reversed(children):
        process.terminate()
    for process in reversed(children):
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
sys.exit(code)
