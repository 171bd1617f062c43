// @ts-check
// The panel "Автомат схемы": the table of transitions and outputs as the core writes
// it, and the state graph that Graphviz (the page's own copy, put into the page as its
// script compressed) lays out from the core's DOT text, the start marked by an arrow
// from a point.
import { analysisTexts as t, command } from './constants.js';
import { calls } from './core.js';
import { context2d, element } from './dom.js';
import { embeddedBytes } from './files.js';
import { Panel } from './panel-frame.js';

/** @typedef {{ text: string, combinational: boolean, dot: string }} AutomatonAnswer */

// What the worker runs after Graphviz's script: one DOT text in, its SVG (or what
// went wrong) out.
const kWorkerAnswers = `
const graphviz = Viz.instance();
onmessage = async (event) => {
    try {
        postMessage({ svg: (await graphviz).renderString(event.data, { format: 'svg', engine: 'dot' }) });
    } catch (error) {
        postMessage({ error: String(error) });
    }
};`;

// Graphviz lays a graph out in a worker of its own, so that a large one (a minute for
// 64 states and their 1024 arrows) never stops the page and its clock. A graph asked
// for while another is being laid out stops that one.
class GraphDrawer {
    constructor() {
        /** @type {Worker | null} */
        this.worker = null;
        /** @type {Promise<string> | null} Graphviz's script, once unpacked */
        this.library = null;
        /** @type {{ resolve: (svg: string) => void, reject: (error: Error) => void } | null} */
        this.waiting = null;
    }

    /**
     * @param {string} dot
     * @returns {Promise<string>} the SVG text
     */
    async draw(dot) {
        const library = await (this.library ??= graphLibrary());
        if (this.waiting && this.worker) {
            this.worker.terminate();
            this.worker = null;
            this.waiting.reject(new Error('a later graph was asked for'));
        }
        const worker = this.worker || this.start(library);
        return new Promise((resolve, reject) => {
            this.waiting = { resolve, reject };
            worker.postMessage(dot);
        });
    }

    /** @param {string} library Graphviz's script */
    start(library) {
        const source = new Blob([library, kWorkerAnswers], { type: 'text/javascript' });
        const worker = new Worker(URL.createObjectURL(source));
        worker.onmessage = (/** @type {MessageEvent<{ svg?: string, error?: string }>} */ event) => {
            const waiting = this.waiting;
            this.waiting = null;
            if (!waiting) return;
            if (event.data.svg) waiting.resolve(event.data.svg);
            else waiting.reject(new Error(event.data.error || 'no drawing'));
        };
        this.worker = worker;
        return worker;
    }
}

// Graphviz's script, about a third of the page, is kept in it gzipped.
/** @returns {Promise<string>} */
function graphLibrary() {
    const packed = new Blob([embeddedBytes('graph-library')]).stream();
    return new Response(packed.pipeThrough(new DecompressionStream('gzip'))).text();
}

const graphs = new GraphDrawer();

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
        graph.textContent = json.dot ? t.Computing : '';
        if (!json.dot) {
            this.answers++;
            return;
        }
        try {
            const svg = await graphs.draw(json.dot);
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
