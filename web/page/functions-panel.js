// @ts-check
// The panel "Функции схемы": the circuit's functions from the core as lotra-sim's
// --functions --json gives them, and for the chosen one its minimal forms, its truth
// table and its Karnaugh map as the core draws it. The core's work is done in steps
// between the page's other work, so that the generator's ticks keep their time.
import { analysisTexts as t } from './constants.js';
import { calls, stats } from './core.js';
import { context2d, element } from './dom.js';
import { Panel } from './panel-frame.js';

/** How long the core may work before the page has its turn again. */
const kSliceMs = 20;

/**
 * @typedef {string[][][]} FormList every minimal form: terms of literals ("X1", "¬X1")
 * @typedef {{ name: string, table: string, dnf: FormList, cnf: FormList, exact: boolean }} CircuitFunction
 * @typedef {{ variables: string[], functions: CircuitFunction[] } | { error: string }} FunctionsAnswer
 */

/**
 * A literal, a bar over a negated variable.
 * @param {string} literal
 */
function literalElement(literal) {
    if (!literal.startsWith(t.Not)) return document.createTextNode(literal);
    const negated = element('span', 'negated', literal.slice(t.Not.length));
    negated.title = literal;
    return negated;
}

/**
 * One form in the course's notation: a DNF's terms joined by ∨, a CNF's clauses in
 * parentheses; no terms is the constant 0 of a DNF (1 of a CNF), an empty term the other.
 * @param {string[][]} terms
 * @param {boolean} dnf
 */
function formElement(terms, dnf) {
    const form = element('div', 'form');
    if (terms.length === 0) {
        form.textContent = dnf ? '0' : '1';
        return form;
    }
    const inParentheses = !dnf && terms.length > 1;
    terms.forEach((term, i) => {
        if (i > 0) form.append(dnf ? t.Or : t.And);
        if (term.length === 0) {
            form.append(dnf ? '1' : '0');
            return;
        }
        const bracketed = inParentheses && term.length > 1;
        if (bracketed) form.append('(');
        term.forEach((literal, j) => {
            if (j > 0) form.append(dnf ? t.And : t.Or);
            form.append(literalElement(literal));
        });
        if (bracketed) form.append(')');
    });
    return form;
}

/**
 * The lines that say what the names are, for the names the circuit has.
 * @param {string[]} variables
 * @param {CircuitFunction[]} functions
 */
function notes(variables, functions) {
    const lines = [t.VariablesHeading + variables.join(' ')];
    const has = (/** @type {string[]} */ names, /** @type {string} */ letter) =>
        names.some((name) => name.startsWith(letter));
    if (has(variables, 'Q')) lines.push(t.TriggersNote);
    if (has(variables, 'G')) lines.push(t.GatesNote);
    lines.push(t.InputsNote);
    const names = functions.map((f) => f.name);
    if (has(names, 'Y')) lines.push(t.OutputsNote);
    if (has(names, 'F')) lines.push(t.FreeOutputsNote);
    return lines;
}

/**
 * The function's truth table, the first variable the most significant bit.
 * @param {string[]} variables
 * @param {CircuitFunction} f
 */
function tableText(variables, f) {
    const cell = (/** @type {string} */ value, /** @type {string} */ name) =>
        value.padStart(name.length, ' ');
    const lines = [t.TableHeading, variables.join(' ') + ' | ' + f.name];
    for (let row = 0; row < f.table.length; row++) {
        const bits = variables.map((name, v) =>
            cell(String((row >> (variables.length - 1 - v)) & 1), name));
        lines.push(bits.join(' ') + ' | ' + cell(f.table[row], f.name));
    }
    return lines.join('\n');
}

class FunctionsPanel {
    constructor() {
        /** @type {Panel | null} */
        this.panel = null;
        /** @type {FunctionsAnswer | null} */
        this.shown = null;
        this.chosen = '';
        this.stepping = false;
        /** Answers the panel has shown, how long the last took, and the longest the
         * core worked without a break, for the tests. */
        this.answers = 0;
        this.lastMs = 0;
        this.longestSliceMs = 0;
        this.startedAt = 0;
        this.parts = {
            notes: element('div', 'notes'),
            list: element('select', 'functions'),
            forms: element('div', 'forms'),
            map: element('canvas', 'map'),
            table: element('pre', 'table'),
            save: element('button', '', t.SavePicture),
        };
    }

    // The panel is made when it is first opened.
    make() {
        const panel = new Panel('functions-panel', t.FunctionsTitle, () => {
            this.shown = null;
            calls.call('lotra_functions_close', [], []);
        });
        const { notes: top, list, forms, map, table, save } = this.parts;
        list.size = 12;
        list.addEventListener('change', () => this.choose(list.value));
        save.addEventListener('click', () => {
            const index = this.indexOf(this.chosen);
            if (index >= 0) calls.call('lotra_functions_save', ['number'], [index]);
        });
        const mapArea = element('div', 'picture');
        mapArea.append(map);
        const right = element('div', 'right');
        const buttons = element('div', 'buttons');
        buttons.append(save);
        right.append(forms, mapArea, buttons, table);
        const columns = element('div', 'columns');
        columns.append(list, right);
        panel.body.append(top, columns);
        this.panel = panel;
        return panel;
    }

    // The core starts its work afresh: the panel shows, and the page steps the work.
    computing() {
        const panel = this.panel || this.make();
        panel.show();
        this.parts.notes.textContent = t.Computing;
        this.parts.save.disabled = true;
        this.startedAt = performance.now();
        this.run();
    }

    // Steps the core's work a slice at a time, letting the page's timers and events
    // in between; the core runs one call at a time, so a slice waits for any other.
    async run() {
        if (this.stepping) return;
        this.stepping = true;
        try {
            for (let more = true, busy = false; more && calls.running && this.panel && this.panel.open;) {
                await new Promise((resolve) => setTimeout(resolve, busy ? kSliceMs : 0));
                busy = calls.inCall || calls.isBusy();
                if (busy || !calls.running) continue;
                const from = performance.now();
                do {
                    more = calls.callNow('lotra_functions_step', 'number', [], []) !== 0;
                } while (more && performance.now() < from + kSliceMs);
                this.longestSliceMs = Math.max(this.longestSliceMs, performance.now() - from);
            }
        } finally {
            this.stepping = false;
        }
    }

    /**
     * The core's answer, shown once the step that gave it has returned: showing it
     * asks the core for a picture.
     * @param {FunctionsAnswer} json
     */
    answer(json) {
        this.lastMs = performance.now() - this.startedAt;
        stats.lastAnalysisMs = this.lastMs;
        queueMicrotask(() => {
            this.show(json);
            this.answers++;
        });
    }

    /** @param {FunctionsAnswer} json */
    show(json) {
        this.shown = json;
        const { notes: top, list } = this.parts;
        list.replaceChildren();
        if ('error' in json) {
            top.textContent = json.error;
            this.choose('');
            return;
        }
        top.replaceChildren(...notes(json.variables, json.functions).map((line) => element('div', '', line)));
        for (const f of json.functions) list.append(new Option(f.name, f.name));
        if (json.functions.length === 0) {
            this.choose('');
            this.parts.forms.textContent = t.NoFunctions;
            return;
        }
        const keep = json.functions.some((f) => f.name === this.chosen);
        this.choose(keep ? this.chosen : json.functions[0].name);
    }

    /** @param {string} name */
    indexOf(name) {
        const json = this.shown;
        return json && !('error' in json) ? json.functions.findIndex((f) => f.name === name) : -1;
    }

    /** @param {string} name */
    choose(name) {
        const { list, forms, table, map, save } = this.parts;
        const index = this.indexOf(name);
        this.chosen = index >= 0 ? name : '';
        list.value = this.chosen;
        forms.replaceChildren();
        table.textContent = '';
        map.width = map.height = 0;
        save.disabled = index < 0;
        const json = this.shown;
        if (index < 0 || !json || 'error' in json) return;
        const f = json.functions[index];
        forms.append(...this.formsOf(f));
        table.textContent = tableText(json.variables, f);
        calls.call('lotra_functions_picture', ['number'], [index]);
    }

    /** @param {CircuitFunction} f */
    formsOf(f) {
        if (/^(0+|1+)$/.test(f.table)) {
            return [element('div', 'form', `${f.name} = ${f.table[0]}${t.Constant}`)];
        }
        const parts = [];
        for (const [kind, forms, dnf] of /** @type {[string, FormList, boolean][]} */ (
            [[t.Dnf, f.dnf, true], [t.Cnf, f.cnf, false]])) {
            const heading = `${f.name}: ${kind}` + (f.exact ? '' : ` (${t.NotNecessarilyMinimal})`);
            parts.push(element('div', 'kind', heading));
            for (const form of forms) parts.push(formElement(form, dnf));
        }
        return parts;
    }

    /**
     * The chosen function's picture as the core drew it.
     * @param {Uint8Array} bytes RGBA
     * @param {number} width
     * @param {number} height
     * @param {boolean} isMap a Karnaugh map, not its formula
     */
    picture(bytes, width, height, isMap) {
        const map = this.parts.map;
        map.width = width;
        map.height = height;
        map.title = isMap ? '' : t.NoMap;
        context2d(map).putImageData(new ImageData(new Uint8ClampedArray(bytes), width, height), 0, 0);
    }
}

export const functionsPanel = new FunctionsPanel();
