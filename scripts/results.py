#!/usr/bin/env python3
"""Counts test results from the runners' own reports, for test.sh's closing line.

    results.py junit SUITE REPORT.xml [RUNNER_EXIT]   JUnit XML (CTest, GoogleTest)
    results.py junit SUITE RUNNER_EXIT REPORT.xml...  the same, summed over several reports
    results.py counts SUITE PASSED FAILED [SKIPPED] [RUNNER_EXIT]
    results.py unittest SUITE TEST_FILE.py            runs a unittest module and counts it
    results.py skip SUITE REASON                      a suite this host cannot run (counts as
                                                      one skipped)
    results.py total                                  one line per suite, then the total

Each call appends one line to the record named by KELVORO_RESULTS. A suite that reports no test
at all, or whose runner failed without reporting a failed test (a crash, a time-out, a filter
that matched nothing), counts as one failure. `total` prints
"Total: N passed, N failed, N skipped" and exits 1 when anything failed.
"""

import json
import os
import sys
import xml.etree.ElementTree as ElementTree


def record_path():
    path = os.environ.get("KELVORO_RESULTS")
    if not path:
        sys.exit("results.py: KELVORO_RESULTS names no record file")
    return path


def append(entry):
    with open(record_path(), "a", encoding="utf-8") as record:
        record.write(json.dumps(entry) + "\n")


def junit_counts(path):
    """(passed, failed, skipped) over the <testcase> elements of a JUnit report."""
    passed = failed = skipped = 0
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        children = {child.tag for child in case}
        if children & {"failure", "error"} or case.get("status") == "fail":
            failed += 1
        elif ("skipped" in children or case.get("result") == "skipped"
              or case.get("status") in ("notrun", "disabled")):
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def settle(suite, passed, failed, skipped, runner_exit, note=""):
    if runner_exit != 0 and failed == 0:
        failed, note = 1, "the runner exited with %d without reporting a failed test" % runner_exit
    elif passed + failed + skipped == 0:
        failed, note = 1, "no test ran"
    append({"suite": suite, "passed": passed, "failed": failed, "skipped": skipped, "note": note})


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    command, args = argv[1], argv[2:]
    if command == "junit" and len(args) in (2, 3) and not args[1].isdigit():
        suite, report = args[0], args[1]
        runner_exit = int(args[2]) if len(args) == 3 else 0
        try:
            passed, failed, skipped = junit_counts(report)
        except (OSError, ElementTree.ParseError) as error:
            settle(suite, 0, 1, 0, runner_exit, "no readable report: %s" % error)
            return 0
        settle(suite, passed, failed, skipped, runner_exit)
    elif command == "junit" and len(args) >= 3:
        suite, runner_exit, reports = args[0], int(args[1]), args[2:]
        totals = [0, 0, 0]
        for report in reports:
            try:
                counts = junit_counts(report)
            except (OSError, ElementTree.ParseError) as error:
                settle(suite, totals[0], totals[1] + 1, totals[2], runner_exit,
                       "no readable report: %s" % error)
                return 0
            totals = [t + c for t, c in zip(totals, counts)]
        settle(suite, totals[0], totals[1], totals[2], runner_exit)
    elif command == "counts" and len(args) in (3, 4, 5):
        numbers = [int(a) for a in args[1:]] + [0] * (5 - len(args))
        passed, failed, skipped, runner_exit = numbers[:4]
        settle(args[0], passed, failed, skipped, runner_exit)
    elif command == "unittest" and len(args) == 2:
        import importlib.util
        import unittest
        module_spec = importlib.util.spec_from_file_location("suite_under_test", args[1])
        module = importlib.util.module_from_spec(module_spec)
        sys.path.insert(0, os.path.dirname(os.path.abspath(args[1])))
        module_spec.loader.exec_module(module)
        result = unittest.TextTestRunner(verbosity=2).run(
            unittest.defaultTestLoader.loadTestsFromModule(module))
        failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
        skipped = len(result.skipped)
        settle(args[0], result.testsRun - failed - skipped, failed, skipped, 0)
        return 0 if result.wasSuccessful() else 1
    elif command == "skip" and len(args) == 2:
        append({"suite": args[0], "passed": 0, "failed": 0, "skipped": 1, "note": args[1],
                "not_run": True})
        print("SKIPPED %s: %s" % (args[0], args[1]))
    elif command == "total" and not args:
        totals = [0, 0, 0]
        with open(record_path(), encoding="utf-8") as record:
            entries = [json.loads(line) for line in record if line.strip()]
        width = max([len(e["suite"]) for e in entries] + [44])
        for e in entries:
            if e.get("not_run"):
                print("  %-*s SKIPPED: %s" % (width, e["suite"], e["note"]))
            else:
                print("  %-*s %d passed, %d failed, %d skipped%s" % (
                    width, e["suite"], e["passed"], e["failed"], e["skipped"],
                    " (%s)" % e["note"] if e["note"] else ""))
            totals = [totals[0] + e["passed"], totals[1] + e["failed"], totals[2] + e["skipped"]]
        print("Total: %d passed, %d failed, %d skipped" % tuple(totals))
        return 1 if totals[1] or not entries else 0
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
