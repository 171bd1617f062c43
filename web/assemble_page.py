#!/usr/bin/env python3
"""Puts the page together: the template with its styles, the page's modules bundled
into one script, the core (its wasm already inside), Graphviz for the web, the
web font and the user manual all inside one HTML file."""
import argparse
import base64
import gzip
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bundle_modules import BundleError, bundle  # noqa: E402


def inline_script(text):
    # Nothing inside a script element may close it early.
    return '<script>\n' + text.replace('</script', '<\\/script') + '\n</script>'


def data_element(element_id, data):
    """Bytes the page reads as base64 text: decoded natively, never parsed as script."""
    return (f'<script type="application/octet-stream" id="{element_id}">' +
            base64.b64encode(data).decode('ascii') + '</script>')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--template', required=True)
    parser.add_argument('--css', required=True)
    parser.add_argument('--entry', required=True, help="the page's first module")
    parser.add_argument('--modules', action='append', default=[],
                        help='a folder of modules, searched in the order given')
    parser.add_argument('--core', required=True)
    parser.add_argument('--font', required=True)
    parser.add_argument('--manual', required=True)
    parser.add_argument('--manual-picture', required=True)
    parser.add_argument('--manual-pictures', default='',
                        help="the folder of the manual's drawn pictures, when they were drawn")
    parser.add_argument('--graph-library', required=True,
                        help="Graphviz for the web (@viz-js/viz's viz-global.js), which the "
                             "automaton's panel runs in a worker to draw its graph")
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
    # So do the pictures lotra-sim drew for it in a desktop build, when there is one.
    if args.manual_pictures and os.path.isdir(args.manual_pictures):
        for name in sorted(os.listdir(args.manual_pictures)):
            drawn = read(os.path.join(args.manual_pictures, name), 'rb')
            inline = 'data:image/png;base64,' + base64.b64encode(drawn).decode('ascii')
            manual = manual.replace(('manual/' + name).encode('ascii'), inline.encode('ascii'))
    try:
        page_script = bundle(os.path.basename(args.entry),
                             [os.path.dirname(args.entry)] + args.modules)
    except BundleError as error:
        raise SystemExit('assemble_page: ' + str(error))
    # Graphviz's script goes in gzipped (a third of its size), unpacked by the page
    # when it first draws a graph.
    graph_library = gzip.compress(read(args.graph_library, 'rb'), 9, mtime=0)
    scripts = [data_element('manual', manual), data_element('graph-library', graph_library),
               inline_script(page_script)]
    # The wasm leaves the core's script for an element of its own, which the page
    # hands to the core as bytes: the core then fetches nothing.
    core = read(args.core)
    wasm = re.search(r'data:application/octet-stream;base64,([A-Za-z0-9+/=]+)', core)
    if not wasm:
        raise SystemExit('assemble_page: no wasm inside ' + args.core)
    scripts.append('<script type="application/octet-stream" id="core-wasm">' + wasm.group(1) +
                   '</script>')
    scripts.append(inline_script(core[:wasm.start(1)] + core[wasm.end(1):]))

    page = read(args.template)
    page = page.replace('<!--STYLE-->', '<style>\n' + css + '\n</style>')
    page = page.replace('<!--SCRIPTS-->', '\n'.join(scripts))
    with open(args.output, 'w', encoding='utf-8') as f:
        f.write(page)


if __name__ == '__main__':
    main()
