#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every JSON output of the calculator holds to its published schema: each command run for real,
its document validated against docs/schema with the schemas' own references.
Usage: check_json_schemas.py PIPECOLUMN-CLI SCHEMA_DIR PROJECT_FILE"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

cli, schema_dir, project = sys.argv[1:4]

schemas = {}
for name in os.listdir(schema_dir):
    if name.endswith(".schema.json"):
        with open(os.path.join(schema_dir, name), encoding="utf-8") as file:
            schemas[name.removesuffix(".schema.json")] = json.load(file)


def validator(command):
    schema = schemas[command]
    jsonschema.Draft202012Validator.check_schema(schema)
    try:
        from referencing import Registry, Resource
    except ImportError:  # jsonschema before 4.18 resolves through a store
        store = {each["$id"]: each for each in schemas.values()}
        resolver = jsonschema.RefResolver.from_schema(schema, store=store)
        return jsonschema.Draft202012Validator(schema, resolver=resolver)
    registry = Registry().with_resources(
        (each["$id"], Resource.from_contents(each)) for each in schemas.values())
    return jsonschema.Draft202012Validator(schema, registry=registry)


failures = 0


def validate(command, arguments, statuses):
    global failures
    run = subprocess.run([cli, *arguments, "--json"], capture_output=True, text=True)
    if run.returncode not in statuses:
        print(f"{arguments}: exit status {run.returncode}\n{run.stderr}")
        failures += 1
        return
    errors = list(validator(command).iter_errors(json.loads(run.stdout)))
    for error in errors:
        print(f"{arguments}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    failures += len(errors)


with tempfile.TemporaryDirectory() as folder:
    sheet = os.path.join(folder, "sheet.pdf")
    package = os.path.join(folder, "package.pdf")
    thin_wall = ["--diameter", "1000", "--thickness", "9", "--height", "4", "--load", "403000"]
    for arguments, statuses in [
        ([], {0}),
        (["--load", "12000", "--concrete-strength", "120"], {1}),
        (["--diameter", "60.5", "--thickness", "2.3", "--height", "10", "--k-factor", "2",
          "--load", "100"], {0, 1}),
        (thin_wall + ["--sheet", sheet, "--cross-check"], {0, 1}),
        (["--load", "abc"], {2}),
        (["--depth", "150", "--width", "100", "--thickness", "4.5", "--load", "20000",
          "--steel-grade", "STKR400"], {0, 1}),
        (["--depth", "50", "--thickness", "1.6", "--height", "10", "--load", "3000"], {0, 1}),
        (["--depth", "50", "--thickness", "20"], {2}),
    ]:
        validate("check", arguments, statuses)
    for arguments, statuses in [
        (["design", "--all", "--height", "6", "--load", "25000"], {0}),
        (["design", "--load", "900000", "--height", "10", "--k-factor", "2", "--all"], {1}),
        (["design", "--load", "0"], {2}),
        (["design", "--section", "box", "--all", "--height", "6", "--load", "25000"], {0}),
        (["design", "--section", "any", "--load", "900000", "--height", "10", "--k-factor", "2"],
         {1}),
    ]:
        validate("design", arguments, statuses)
    validate("schedule", ["schedule", project, "--licence-number", "12345", "--sheets", package],
             {0, 1})
    validate("catalogue", ["catalogue"], {0})
    validate("catalogue", ["catalogue", "--section", "box"], {0})
    validate("verify", ["verify", package], {0})
    validate("verify", ["verify", sheet], {0})

sys.exit(1 if failures else 0)
