#!/usr/bin/env python3
"""Generates the definitions of the exported entry points the library does not implement yet.

Reads every prototype in include/*.h and the stub table tools/stub_entry_points.tsv, skips the
functions already defined in src/ (by a VSK_EXPORT definition), and writes:
  src/env/stubs_guarded.cpp   guarded stubs (the table's "guarded" rows)
  src/env/stubs_error.cpp     error stubs (the table's "error" rows)
  src/env/pending_calls.cpp   every other declared function: the list of calls still to build
Run it again after adding prototypes or implementing a call:  tools/gen_entry_points.py
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HANDLE_TYPES = {"OCIEnv", "OCIError", "OCISvcCtx", "OCIStmt", "OCIServer", "OCISession", "OCITrans",
                "OCIDescribe", "OCIBind", "OCIDefine", "OCISPool", "OCICPool", "OCIAuthInfo", "OCIParam",
                "OCILobLocator", "OCIDateTime", "OCIInterval"}
# Function codes whose OCI name differs from the function's.
FNCODE_ALIASES = {
    "OCIStmtFetch2": "STMTFETCH", "OCIStmtGetBindInfo": "STMTGETBIND", "OCILobFileOpen": "LOBOPENFILE",
    "OCILobFileClose": "LOBCLOSEFILE", "OCILobGetLength": "LOBLENGTH", "OCILobGetLength2": "LOBLENGTH2",
    "OCILobCreateTemporary": "LOBCREATETEMP", "OCILobFreeTemporary": "LOBFREETEMP",
    "OCILobIsTemporary": "LOBISTEMP", "OCILobLocatorIsInit": "LOBISINIT", "OCIBreak": "SVCCTXBREAK",
    "OCIConnectionPoolCreate": "CPOOLCREATE", "OCIConnectionPoolDestroy": "CPOOLDESTROY",
    "OCISessionPoolCreate": "SPOOLCREATE", "OCISessionPoolDestroy": "SPOOLDESTROY",
    "OCIStmtGetPieceInfo": "STMTGETPIECEINFO", "OCIStmtSetPieceInfo": "STMTSETPIECEINFO",
    "OCIDescribeAny": "DESCRIBEANY", "OCILdaToSvcCtx": "LDATOSVCCTX", "OCISvcCtxToLda": "SVCCTXTOLDA",
}


def strip_comments(text):
    return re.sub(r"/\*.*?\*/", " ", text, flags=re.S)


def split_params(params):
    out, depth, cur = [], 0, ""
    for ch in params:
        if ch == "(":
            depth += 1
        elif ch == ")":
            depth -= 1
        if ch == "," and depth == 0:
            out.append(cur.strip())
            cur = ""
        else:
            cur += ch
    if cur.strip():
        out.append(cur.strip())
    return [] if out == ["void"] else out


def param_name(param, index):
    """The parameter's name and the parameter text, naming it when the prototype does not."""
    if param == "...":
        return None, param
    m = re.search(r"\(\s*\*\s*(\w+)\s*\)", param)
    if m:
        return m.group(1), param
    m = re.match(r"^(.*?)(\w+)\s*((\[[^\]]*\])*)$", param)
    base, last = m.group(1), m.group(2)
    type_words = {"ub1", "ub2", "ub4", "ub8", "sb1", "sb2", "sb4", "sb8", "sword", "uword", "eword", "size_t",
                  "boolean", "int", "long", "char", "void", "text", "OraText", "oratext", "dvoid", "const",
                  "unsigned", "double", "float", "short"}
    if not base.strip() or last in type_words or re.match(r"^OCI[A-Z]\w*$", last) and not base.strip().endswith("*"):
        name = "arg%d" % index
        return name, param + " " + name
    return last, param


def parse_prototypes():
    protos = {}
    for header in sorted((ROOT / "include").glob("*.h")):
        text = strip_comments(header.read_text())
        text = re.sub(r"^\s*#.*$", "", text, flags=re.M)
        for m in re.finditer(r"([A-Za-z_][\w\s\*]*?)\b((?:OCI|xao|ociep)\w*)\s*\(([^;{}]*?)\)\s*;", text):
            ret, name, params = " ".join(m.group(1).split()), m.group(2), " ".join(m.group(3).split())
            if "typedef" in ret or not ret or ret.endswith("("):
                continue
            ret = ret.split("}")[-1].strip()
            protos.setdefault(name, (ret, split_params(params)))
    return protos


def defined_in_src():
    names = set()
    for src in (ROOT / "src").rglob("*.cpp"):
        if src.name in ("stubs_guarded.cpp", "stubs_error.cpp", "pending_calls.cpp"):
            continue
        names.update(re.findall(r"VSK_EXPORT\s+[\w\s\*]*?\b((?:OCI|xao|ociep)\w*)\s*\(", src.read_text()))
    return names


def fncode_names():
    codes = {}
    text = "".join(p.read_text() for p in (ROOT / "include").glob("*.h"))
    for name in re.findall(r"#define\s+OCI_FNCODE_(\w+)\s+\d+", text):
        codes[name] = "OCI_FNCODE_" + name
    return codes


def fncode_for(name, codes):
    key = FNCODE_ALIASES.get(name, name[3:].upper() if name.startswith("OCI") else "")
    return codes.get(key, "0")


def signature(name, ret, params):
    named = []
    args = []
    for i, p in enumerate(params):
        pname, ptext = param_name(p, i)
        named.append(ptext)
        if pname:
            args.append(pname)
    return "VSK_EXPORT %s %s(%s)" % (ret, name, ", ".join(named) or "void"), args, named


def failure_value(ret):
    if ret == "void":
        return None
    if "*" in ret:
        return "nullptr"
    if ret == "sword":
        return "OCI_ERROR"
    return "static_cast<%s>(OCI_ERROR)" % ret


def handle_args(params, args):
    handle = errhp = "nullptr"
    for p, a in zip(params, args):
        base = re.sub(r"\bconst\b", "", p).replace("*", " ").split()
        if not base:
            continue
        if base[0] == "OCIError" and p.count("*") == 1 and errhp == "nullptr":
            errhp = a
        elif base[0] in HANDLE_TYPES and p.count("*") == 1 and handle == "nullptr":
            handle = "const_cast<void *>(static_cast<const void *>(%s))" % a
    if handle == "nullptr":
        handle = errhp
    return handle, errhp


def cstring(text):
    return '"' + text.replace('"', '\\"') + '"'


HEADER = """// Generated by tools/gen_entry_points.py; edit the table or the generator, not this file.
// %s
#include <oci.h>
#include <oci8dp.h>
#include <ociextp.h>
#include <ocixmldb.h>

#include "env/export.h"
#include "env/stubs.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

extern "C" {

"""


def main():
    protos = parse_prototypes()
    done = defined_in_src()
    codes = fncode_names()
    table = {}
    for line in (ROOT / "tools" / "stub_entry_points.tsv").read_text().splitlines():
        if not line or line.startswith("#"):
            continue
        kind, name, text, callbacks, message = line.split("\t")
        table[name] = (kind, text, callbacks == "1", message == "1")
    missing = [n for n in table if n not in protos and n not in done]
    if missing:
        print("warning: no prototype yet for " + ", ".join(sorted(missing)), file=sys.stderr)

    out = {"guarded": [], "error": [], "pending": []}
    for name in sorted(protos):
        if name in done:
            continue
        ret, params = protos[name]
        sig, args, named = signature(name, ret, params)
        fail = failure_value(ret)
        kind, text, callbacks, message = table.get(name, ("pending", "", False, False))
        handle, errhp = handle_args(named, args)
        if kind == "guarded":
            stub = "VSK_GUARDED_STUB(%s, %s, %s, %s, %s)" % (
                cstring(name), cstring(text), fncode_for(name, codes), "true" if callbacks else "false",
                "true" if message else "false")
            body = "    return vsk::guarded_stub(%s, %s, %s%s);" % (stub, handle, errhp,
                                                                  "".join(", " + a for a in args))
            if fail is None:
                body = body.replace("return ", "")
            elif ret != "sword":
                body = "    %s;\n    return %s;" % (body.strip().replace("return ", ""), fail.replace("OCI_ERROR", "OCI_SUCCESS"))
        elif kind == "error":
            call = "vsk::error_stub(%s)" % cstring(text)
            body = "    %s;" % call if fail is None else (
                "    return %s;" % call if ret == "sword" else "    %s;\n    return %s;" % (call, fail))
        else:
            call = "vsk::pending_call(%s, %s, %s%s)" % (handle, errhp, fncode_for(name, codes),
                                                       "".join(", " + a for a in args))
            # Not built yet: sizes, counts and flags read as 0, pointers as null.
            empty = None if fail is None else ("nullptr" if fail == "nullptr" else "static_cast<%s>(0)" % ret)
            body = "    return %s;" % call if ret == "sword" else "    %s;%s" % (
                call, "" if empty is None else "\n    return %s;" % empty)
        out[kind].append("%s {\n%s\n}\n" % (sig, body))

    files = {
        "guarded": ("stubs_guarded.cpp", "Guarded stubs: without VSK_OCI_UIFCTN_RET_OK they end the process."),
        "error": ("stubs_error.cpp", "Error stubs: they trace and fail without recording anything."),
        "pending": ("pending_calls.cpp",
                    "Calls still to be built: each records 3001 and fails. This file is the list of them."),
    }
    for kind, (fname, doc) in files.items():
        text = HEADER % doc + "\n".join(out[kind]) + "\n}  // extern \"C\"\n"
        (ROOT / "src" / "env" / fname).write_text(text)
        print("%s: %d functions" % (fname, len(out[kind])))


if __name__ == "__main__":
    main()
