#!/usr/bin/env python3
"""The window as a screen reader meets it over AT-SPI.

Starts the window on the display and session bus it is given (see
run_screen_reader.sh), finds it on the accessibility bus, walks its tree
and checks what a student who cannot see the screen hears: the tape as a
list of named cells, the program tables with their header cells and
commands in words, the toolbar's buttons with their hints and the status
panels as labels; then it presses «Пошагово» as a screen reader's user
would and checks the announcement and the carriage cell's new name, runs
the program to its end notice, and in a second window with an empty
program checks that the error comes as an alert that can be answered.

    screen_reader.py PROGRAM DOCUMENT

Exit 0 when all holds, 1 on a failed check, 77 when no accessibility bus
can be reached.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

SKIP = 77
PATIENCE = 20  # seconds for anything the window is asked to do


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


heard = []


def hear(event):
    try:
        source = event.source
        heard.append(
            (event.type, source.getRole(), source.name or "", source.description or "", event.detail1)
        )
    except Exception:  # the source may be gone already
        pass


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, probe):
    """Pumps events until probe() returns something true."""
    end = time.monotonic() + PATIENCE
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.1)
    raise Failure("timed out waiting for " + what)


def walk(node, depth=0):
    """Every node below `node`, as a screen reader's review walks them."""
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(root, role, name=None, description=None):
    for node in walk(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if description is not None and node.description != description:
            continue
        return node
    return None


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "button %r offers no press action: %r" % (button.name, names))
    action.doAction(names.index("Press"))


def start(program, document):
    env = dict(os.environ)
    window = subprocess.Popen([program] + ([document] if document else []), env=env)

    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == window.pid:
                frame = find(app, pyatspi.ROLE_FRAME)
                return app if frame is not None and "Zebrin42" in frame.name else None
        return None

    try:
        return window, wait_for("the window on the accessibility bus", application)
    except Exception:
        window.terminate()
        window.wait(10)
        raise


def stop(window):
    window.terminate()
    try:
        window.wait(10)
    except subprocess.TimeoutExpired:
        window.kill()
        window.wait()


def cell_names(tape):
    return [tape.getChildAtIndex(i).name for i in range(tape.childCount)]


def check_tree(app):
    tape = find(app, pyatspi.ROLE_LIST, "Лента машины Поста")
    check(tape is not None, "no list «Лента машины Поста»")
    names = cell_names(tape)
    check(len(names) == 27, "the Post tape shows %d cells, not 27" % len(names))
    check("ячейка 0, пусто, каретка" in names, "no carriage cell 0 in %r" % names)
    check("ячейка 3, метка" in names, "no marked cell 3 in %r" % names)
    check(
        all(tape.getChildAtIndex(i).getRole() == pyatspi.ROLE_LIST_ITEM for i in range(27)),
        "a tape cell is not a list item",
    )

    post = find(app, pyatspi.ROLE_TABLE, "Таблица машины Поста")
    check(post is not None, "no table «Таблица машины Поста»")
    table = post.queryTable()
    check(table.getColumnHeader(1).name == "Команда", "the command column has no header cell")
    check(
        table.getAccessibleAt(0, 1).name == "1: вправо, затем 2",
        "row 1 reads %r" % table.getAccessibleAt(0, 1).name,
    )

    turing = find(app, pyatspi.ROLE_TABLE, "Таблица машины Тьюринга")
    check(turing is not None, "no table «Таблица машины Тьюринга»")
    table = turing.queryTable()
    check(table.nColumns >= 2, "the Turing table has %d state columns" % table.nColumns)
    header = table.getColumnHeader(1)
    check(header is not None and header.name == "Q1", "the Turing table has no header Q1")
    check(
        header.getRole() in (pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_COLUMN_HEADER),
        "Q1 is a %s, not a column header" % header.getRoleName(),
    )
    check(table.getAccessibleAt(0, 1).name == "Q1: пусто", "an empty Turing cell reads otherwise")

    step = find(app, pyatspi.ROLE_PUSH_BUTTON, "Пошагово")
    check(step is not None, "no toolbar button «Пошагово»")
    check(
        step.description == "Выполнить очередной шаг алгоритма",
        "the step button's hint reads %r" % step.description,
    )
    for panel in ("Сообщение", "Шаг", "Левая граница занятых ячеек"):
        check(
            find(app, pyatspi.ROLE_LABEL, description=panel) is not None,
            "no status label «%s»" % panel,
        )
    return tape, step


def check_steps(app, tape, step):
    message = find(app, pyatspi.ROLE_LABEL, description="Сообщение")
    del heard[:]
    press(step)
    wait_for("the step's announcement", lambda: message.name == "-  перевод каретки вправо")
    wait_for(
        "the announcement as a name change of the message label",
        lambda: any(
            kind == "object:property-change:accessible-name"
            and role == pyatspi.ROLE_LABEL
            and name == "-  перевод каретки вправо"
            for kind, role, name, _, _ in heard
        ),
    )
    wait_for("the step button to come back", lambda: step.getState().contains(pyatspi.STATE_ENABLED))
    del heard[:]
    press(step)
    wait_for(
        "the carriage on cell 1",
        lambda: "ячейка 1, пусто, каретка" in cell_names(tape),
    )
    names = cell_names(tape)
    check("ячейка 0, пусто" in names, "cell 0 still reads as the carriage's: %r" % names)
    wait_for(
        "the carriage's cell selected on the tape list",
        lambda: any(
            kind == "object:state-changed:selected"
            and role == pyatspi.ROLE_LIST_ITEM
            and name == "ячейка 1, пусто, каретка"
            and selected == 1
            for kind, role, name, _, selected in heard
        ),
    )


def alert_saying(app, text):
    """The alert on screen whose message is `text`, heard as it came."""

    def probe():
        came = any(
            kind.startswith("window:activate") and role == pyatspi.ROLE_ALERT and described == text
            for kind, role, _, described, _ in heard
        )
        alert = find(app, pyatspi.ROLE_ALERT, description=text)
        showing = alert is not None and alert.getState().contains(pyatspi.STATE_SHOWING)
        return alert if came and showing else None

    return wait_for("an alert saying «%s»" % text, probe)


def answer(app, alert, caption):
    button = find(alert, pyatspi.ROLE_PUSH_BUTTON, caption)
    check(button is not None, "the alert has no button «%s»" % caption)
    press(button)
    wait_for(
        "the alert to close",
        lambda: not alert.getState().contains(pyatspi.STATE_SHOWING),
    )


def check_run_end(app):
    run = find(app, pyatspi.ROLE_PUSH_BUTTON, "Запустить")
    wait_for("the run button", lambda: run.getState().contains(pyatspi.STATE_ENABLED))
    del heard[:]
    press(run)
    answer(app, alert_saying(app, "Программа завершена!"), "Ок")


def check_error(app):
    step = find(app, pyatspi.ROLE_PUSH_BUTTON, "Пошагово")
    del heard[:]
    for _ in range(2):  # the first step announces the empty row, the second fails on it
        wait_for("the step button", lambda: step.getState().contains(pyatspi.STATE_ENABLED))
        press(step)
        pump(0.5)
    alert = alert_saying(app, "Не указана команда!")
    check(alert.name == "Ошибка", "the alert is titled %r" % alert.name)
    answer(app, alert, "Ок")


def check_document(app):
    tape, step = check_tree(app)
    check_steps(app, tape, step)
    check_run_end(app)


def main():
    program, document = sys.argv[1], sys.argv[2]
    try:
        pyatspi.Registry.getDesktop(0).childCount
        pyatspi.Registry.registerEventListener(hear, "object:", "window:")
    except Exception as error:
        print("screen_reader: skipped: no accessibility bus: %s" % error)
        return SKIP

    checks = [(document, check_document), (None, check_error)]
    for opened, run in checks:
        window, app = start(program, opened)
        try:
            run(app)
        except Failure as failure:
            print("screen_reader: FAIL: %s" % failure)
            return 1
        finally:
            stop(window)
    print("screen_reader: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
