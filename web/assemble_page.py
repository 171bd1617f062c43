#!/usr/bin/env python3
"""Puts the page together: the template with its styles, the scripts, the core (its
wasm already inside), the web font and the user manual all inside one HTML file."""
import argparse
import base64
import json
import re


def inline_script(text):
    # Nothing inside a script element may close it early.
    return '<script>\n' + text.replace('</script', '<\\/script') + '\n</script>'


def dialog_texts(header):
    """The texts the desktop shows, name by name, from a C++ header."""
    texts = {}
    pattern = re.compile(r'inline constexpr const char\* (\w+) =\s*((?:"(?:[^"\\]|\\.)*"\s*)+);')
    for name, literals in pattern.findall(header):
        texts[name] = ''.join(json.loads(part) for part in re.findall(r'"(?:[^"\\]|\\.)*"', literals))
    return texts


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--template', required=True)
    parser.add_argument('--css', required=True)
    parser.add_argument('--script', action='append', default=[])
    parser.add_argument('--core', required=True)
    parser.add_argument('--font', required=True)
    parser.add_argument('--manual', required=True)
    parser.add_argument('--manual-picture', required=True)
    parser.add_argument('--texts', action='append', default=[])
    parser.add_argument('--output', required=True)
    args = parser.parse_args()

    def read(path, mode='r'):
        with open(path, mode, **({} if 'b' in mode else {'encoding': 'utf-8'})) as f:
            return f.read()

    font = base64.b64encode(read(args.font, 'rb')).decode('ascii')
    css = read(args.css).replace('@FONT_DATA@', 'data:font/ttf;base64,' + font)
    picture = 'data:image/gif;base64,' + base64.b64encode(read(args.manual_picture, 'rb')).decode()
    # The manual keeps its own bytes and encoding; its background comes inline.
    manual = read(args.manual, 'rb').replace(b'fon/fon.gif', picture.encode('ascii'))
    texts = {}
    for header in args.texts:
        texts.update(dialog_texts(read(header)))
    scripts = [inline_script('const lotraManual = ' + json.dumps(base64.b64encode(manual).decode('ascii')) + ';\n' +
                             'const lotraTexts = ' + json.dumps(texts, ensure_ascii=False) + ';')]
    scripts += [inline_script(read(path)) for path in args.script]
    # The wasm leaves the core's script for an element of its own: the page decodes
    # it natively (it is never parsed as a JavaScript string) and hands the bytes to
    # the core, which then fetches nothing.
    core = read(args.core)
    wasm = re.search(r'data:application/octet-stream;base64,([A-Za-z0-9+/=]+)', core)
    if not wasm:
        raise SystemExit('assemble_page: no wasm inside ' + args.core)
    core = core[:wasm.start(1)] + core[wasm.end(1):]
    scripts.append('<script type="application/octet-stream" id="core-wasm">' + wasm.group(1) +
                   '</script>')
    scripts.append(inline_script(core))

    page = read(args.template)
    page = page.replace('<!--STYLE-->', '<style>\n' + css + '\n</style>')
    page = page.replace('<!--SCRIPTS-->', '\n'.join(scripts))
    with open(args.output, 'w', encoding='utf-8') as f:
        f.write(page)


if __name__ == '__main__':
    main()
