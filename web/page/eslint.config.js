// The lint of the page's modules: ESLint's recommended rules, for browser code.
import js from '@eslint/js';
import globals from 'globals';

export default [
    { ignores: ['node_modules/'] },
    js.configs.recommended,
    {
        files: ['*.js'],
        languageOptions: {
            ecmaVersion: 2022,
            sourceType: 'module',
            globals: { ...globals.browser, createLotraCore: 'readonly' },
        },
        rules: {
            eqeqeq: 'error',
            'no-var': 'error',
            'prefer-const': 'error',
        },
    },
    {
        files: ['eslint.config.js'],
        languageOptions: { globals: globals.node },
    },
];
