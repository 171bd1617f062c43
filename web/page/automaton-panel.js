// @ts-check
// The panel "Автомат схемы": the table of transitions and outputs as the core writes
// it, and the state graph that Graphviz (the page's own copy, put into the page as
// Viz) lays out from the core's DOT text, the start marked by an arrow from a point.
import { analysisTexts as t, command } from './constants.js';
import { calls } from './core.js';
import { context2d } from './dom.js';
import { Panel, element } from './panel-frame.js';

/** @typedef {{ text: string, combinational: boolean, dot: string }} AutomatonAnswer */

/** @type {Promise<VizInstance> | null} Graphviz, started when a graph is first drawn */
let graphviz = null;

/** @param {string} dot */
async function drawGraph(dot) {
    if (!graphviz) graphviz = Viz.instance();
    return (await graphviz).renderString(dot, { format: 'svg', engine: 'dot' });
}

class AutomatonPanel {
    constructor() {
        /** @type {Panel | null} */
        this.panel = null;
        /** @type {string | null} the graph's SVG as shown */
        this.shownSvg = null;
        /** @type {Uint8Array} the graph's pixels once rasterized */
        this.pixels = new Uint8Array(0);
        /** Answers drawn so far, for the tests; a later one outruns an earlier drawing. */
        this.answers = 0;
        this.generation = 0;
        this.parts = {
            table: element('pre', 'table'),
            graph: element('div', 'graph'),
            save: element('button', '', t.SavePicture),
            toFunctions: element('button', '', t.OpenFunctions),
            letters: /** @type {HTMLInputElement | null} */ (null),
            allStates: /** @type {HTMLInputElement | null} */ (null),
        };
    }

    make() {
        const panel = new Panel('automaton-panel', t.AutomatonTitle, () => {
            calls.call('lotra_automaton_close', [], []);
        });
        const choose = () => calls.call('lotra_automaton_choose', ['number', 'number'],
                                        [Number(letters.checked), Number(allStates.checked)]);
        const [lettersLabel, letters] = panel.checkBox(t.Letters, choose);
        const [allStatesLabel, allStates] = panel.checkBox(t.AllStates, choose);
        Object.assign(this.parts, { letters, allStates });
        const { table, graph, save, toFunctions } = this.parts;
        save.addEventListener('click', () => calls.call('lotra_automaton_save', [], []));
        toFunctions.addEventListener('click',
            () => calls.call('lotra_command', ['number'], [command.AnalysisFunctions]));
        const options = element('div', 'buttons');
        options.append(lettersLabel, allStatesLabel, save);
        const columns = element('div', 'columns');
        const left = element('div', 'left');
        left.append(table, toFunctions);
        columns.append(left, graph);
        panel.body.append(options, columns);
        this.panel = panel;
        return panel;
    }

    /** @param {AutomatonAnswer} json */
    async answer(json) {
        const panel = this.panel || this.make();
        panel.show();
        const { table, graph, save, toFunctions } = this.parts;
        const generation = ++this.generation;
        table.textContent = json.text;
        toFunctions.hidden = !json.combinational;
        this.shownSvg = null;
        save.disabled = true;
        graph.replaceChildren();
        if (!json.dot) {
            this.answers++;
            return;
        }
        try {
            const svg = await drawGraph(json.dot);
            if (generation !== this.generation) return;
            graph.innerHTML = svg;
            this.shownSvg = svg;
            save.disabled = false;
        } catch {
            if (generation !== this.generation) return;
            graph.textContent = t.NoGraph;
        }
        this.answers++;
    }

    /** @returns {string | null} */
    svg() {
        return this.shownSvg;
    }

    /**
     * The graph's pixels on white, at its size in CSS pixels.
     * @returns {Promise<number>} width << 16 | height, 0 when nothing is drawn
     */
    async rasterize() {
        if (!this.shownSvg) return 0;
        const url = URL.createObjectURL(new Blob([this.shownSvg], { type: 'image/svg+xml' }));
        try {
            const image = new Image();
            image.src = url;
            await image.decode();
            const width = image.naturalWidth, height = image.naturalHeight;
            const canvas = new OffscreenCanvas(width, height);
            const context = context2d(canvas);
            context.fillStyle = 'white';
            context.fillRect(0, 0, width, height);
            context.drawImage(image, 0, 0);
            this.pixels = new Uint8Array(context.getImageData(0, 0, width, height).data.buffer);
            return (width << 16) | height;
        } catch {
            return 0;
        } finally {
            URL.revokeObjectURL(url);
        }
    }

    takePixels() {
        const pixels = this.pixels;
        this.pixels = new Uint8Array(0);
        return pixels;
    }
}

export const automatonPanel = new AutomatonPanel();
