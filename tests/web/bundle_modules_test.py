"""The page's bundler: what it makes runs as the modules would, in dependency
order, and every form it does not know fails the build instead of slipping by."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'web'))
from bundle_modules import BundleError, bundle  # noqa: E402


class BundleTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.generated = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()
        self.generated.cleanup()

    def write(self, name, text, folder=None):
        with open(os.path.join(folder or self.folder.name, name), 'w', encoding='utf-8') as f:
            f.write(text)

    def bundle(self):
        return bundle('main.js', [self.folder.name, self.generated.name])

    def test_modules_run_once_in_order_with_their_imports(self):
        self.write('main.js', "import { twice, log } from './util.js';\n"
                              "import { base as start } from './constants.js';\n"
                              "log.push('main ' + twice(start));\n"
                              "globalThis.result = log;\n")
        self.write('util.js', "import {\n    base,\n} from './constants.js';\n"
                              "export const log = ['util ' + base];\n"
                              "export function twice(n) { return 2 * n; }\n"
                              "const hidden = 1;\n")
        self.write('constants.js', "export const base = 21;\n", self.generated.name)
        script = self.bundle() + 'console.log(JSON.stringify(globalThis.result));\n'
        output = subprocess.run(['node', '-e', script], capture_output=True, text=True, check=True)
        self.assertEqual(output.stdout.strip(), '["util 21","main 42"]')
        self.assertEqual(script.count('export const base'), 0)
        self.assertIn('return { log, twice };', script, 'what is not exported stays inside')

    def test_what_it_does_not_know_fails(self):
        cases = {
            'a cycle': {'main.js': "import { a } from './a.js';\n",
                        'a.js': "import { b } from './main.js';\nexport const a = 1;\n"},
            'a missing module': {'main.js': "import { a } from './gone.js';\n"},
            'a name not exported': {'main.js': "import { b } from './a.js';\n",
                                    'a.js': "export const a = 1;\n"},
            'export let': {'main.js': "export let a = 1;\n"},
            'export default': {'main.js': "export default 1;\n"},
            'an export list': {'main.js': "const a = 1;\nexport { a };\n"},
            'a default import': {'main.js': "import a from './a.js';\n",
                                 'a.js': "export const a = 1;\n"},
            'a bare name': {'main.js': "import { a } from 'a';\n"},
            'a name exported twice': {'main.js': "export const a = 1;\nexport function a() {}\n"},
        }
        for what, files in cases.items():
            with self.subTest(what):
                for name in os.listdir(self.folder.name):
                    os.remove(os.path.join(self.folder.name, name))
                for name, text in files.items():
                    self.write(name, text)
                with self.assertRaises(BundleError):
                    self.bundle()


if __name__ == '__main__':
    unittest.main()
