"""Bundles the page's ES modules into one classic script, for a page that opens
from file:// (where the browser refuses to import modules).

The modules keep to a plain form, and anything else fails the build:
  - imports are `import { a, b as c } from './name.js';` statements;
  - exports are declarations: `export function`, `export async function`,
    `export class`, `export const` (one name), never `export let`, `export default`
    or export lists;
  - no module imports itself through others (no cycles).
Each module becomes a function scope run once, in dependency order, that returns its
exports; an import becomes a constant taken from them. Exports are constants, so a
copy is the same as the live binding a browser would give.
"""
import os
import re

IMPORT = re.compile(r"^import\s*\{([^}]*)\}\s*from\s*'\./([\w.-]+\.js)';[ \t]*$", re.M)
EXPORT = re.compile(r'^export\s+(?:(?:async\s+)?function\*?|class|const)\s+([A-Za-z_$][\w$]*)', re.M)
ANY_IMPORT_OR_EXPORT = re.compile(r'^\s*(import|export)\b', re.M)


class BundleError(Exception):
    pass


def module_variable(name):
    return 'module_' + re.sub(r'\W', '_', name[:-len('.js')])


def find_module(name, folders):
    for folder in folders:
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            return path
    raise BundleError(f'{name}: not in ' + ', '.join(folders))


def parse_imports(name, text):
    imports = []
    for match in IMPORT.finditer(text):
        bindings = []
        for part in match.group(1).split(','):
            words = part.split()
            if not words:
                continue
            if len(words) == 1:
                bindings.append((words[0], words[0]))
            elif len(words) == 3 and words[1] == 'as':
                bindings.append((words[0], words[2]))
            else:
                raise BundleError(f'{name}: cannot read the import of "{part.strip()}"')
        imports.append((match, match.group(2), bindings))
    return imports


def check_plain(name, text):
    """Every import and export statement must be one of the forms above."""
    plain_imports = {m.start() for m in IMPORT.finditer(text)}
    plain_exports = {m.start() for m in EXPORT.finditer(text)}
    for match in ANY_IMPORT_OR_EXPORT.finditer(text):
        start = match.start(1)
        line_start = text.rfind('\n', 0, start) + 1
        known = plain_imports if match.group(1) == 'import' else plain_exports
        if line_start not in known or start != line_start:
            line = text[line_start:text.find('\n', start)]
            raise BundleError(f'{name}: not a plain {match.group(1)}: {line.strip()}')


class Bundle:
    def __init__(self, folders):
        self.folders = folders
        self.texts = {}       # name -> rewritten body
        self.exports = {}     # name -> exported names
        self.order = []       # names, dependencies first

    def add(self, name, importers=()):
        if name in importers:
            raise BundleError('modules import each other: ' + ' -> '.join(importers + (name,)))
        if name in self.texts:
            return
        with open(find_module(name, self.folders), encoding='utf-8') as f:
            text = f.read()
        check_plain(name, text)
        imports = parse_imports(name, text)
        for _, dependency, _ in imports:
            self.add(dependency, importers + (name,))
        exports = EXPORT.findall(text)
        if len(set(exports)) != len(exports):
            raise BundleError(f'{name}: a name is exported twice')
        for _, dependency, bindings in imports:
            for imported, _ in bindings:
                if imported not in self.exports[dependency]:
                    raise BundleError(f'{name}: {dependency} exports no {imported}')
        # From the end, so that the positions before stay where they were.
        for match, dependency, bindings in reversed(imports):
            names = ', '.join(i if i == local else f'{i}: {local}' for i, local in bindings)
            text = (text[:match.start()] + f'const {{ {names} }} = {module_variable(dependency)};' +
                    text[match.end():])
        text = re.sub(r'^export\s+', '', text, flags=re.M)
        self.texts[name] = text
        self.exports[name] = exports
        self.order.append(name)

    def script(self):
        parts = ["'use strict';", '(() => {']
        for name in self.order:
            parts.append(f'// ---- {name}')
            parts.append(f'const {module_variable(name)} = (() => {{')
            parts.append(self.texts[name].rstrip())
            parts.append('return { ' + ', '.join(self.exports[name]) + ' };')
            parts.append('})();')
        parts.append('})();')
        return '\n'.join(parts) + '\n'


def bundle(entry, folders):
    """The script of the entry module and every module it imports, found in the first
    of the folders that holds it."""
    result = Bundle(folders)
    result.add(entry)
    return result.script()
