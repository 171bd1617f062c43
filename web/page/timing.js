// @ts-check
// The timing diagram's panel under the work area, as on the desktop: the zoom,
// "Добавить сигнал..." and "Сохранить диаграмму..." over the diagram, which the
// core draws, a scroll bar under it. While the bar is at its end the latest column
// stays in view. The panel looks for new columns ten times a second and draws only
// when there are some.
import { calls } from './core.js';
import { byId, context2d, element } from './dom.js';

const kPollMs = 100;
const kOpeningZoom = 10;
const kMostZoom = 40;
/** The row menu's actions, in the core's order. */
const kRowActions = [['Убрать строку', 0], ['Выше', 1], ['Ниже', 2], ['Разбить на биты', 3]];

/** @typedef {[string, boolean, () => void]} MenuChoice label, enabled, what it does */

/**
 * @param {string} label
 * @param {boolean} enabled
 * @param {() => void} run
 * @returns {MenuChoice}
 */
function choice(label, enabled, run) {
    return [label, enabled, run];
}

class TimingPanel {
    constructor() {
        /** @type {HTMLElement | null} */
        this.root = null;
        this.canvas = element('canvas', '');
        this.zoom = element('input', '');
        this.bar = element('input', 'timing-bar');
        this.following = true;
        this.shownVersion = -1;
        /** @type {HTMLElement | null} an open menu of the panel */
        this.menu = null;
        /** @type {number | undefined} */
        this.poll = undefined;
    }

    get shown() {
        return this.root !== null && !this.root.hidden;
    }

    toggle() {
        if (!this.root) this.build();
        const root = /** @type {HTMLElement} */ (this.root);
        root.hidden = !root.hidden;
        clearInterval(this.poll);
        if (root.hidden) return;
        this.poll = window.setInterval(() => this.look(), kPollMs);
        this.draw();
    }

    build() {
        const root = element('div', '');
        root.id = 'timing-panel';
        root.hidden = true;
        const tools = element('div', 'timing-tools');
        this.zoom.type = 'number';
        this.zoom.min = '1';
        this.zoom.max = String(kMostZoom);
        this.zoom.value = String(kOpeningZoom);
        this.zoom.addEventListener('change', () => this.draw());
        const add = element('button', '', 'Добавить сигнал...');
        add.addEventListener('click', () => this.offerSignals(add));
        const save = element('button', '', 'Сохранить диаграмму...');
        save.addEventListener('click', () => {
            calls.call('lotra_timing_save', ['number'], [this.pixelsPerTick()]);
        });
        tools.append(element('span', '', 'Временная диаграмма'), element('span', '', 'Масштаб:'),
                     this.zoom, element('span', '', 'точек на такт'), add, save);
        const rows = element('div', 'timing-rows');
        rows.append(this.canvas);
        this.bar.type = 'range';
        this.bar.min = '0';
        this.bar.addEventListener('input', () => {
            this.following = Number(this.bar.value) >= Number(this.bar.max);
            this.draw();
        });
        this.canvas.addEventListener('mousemove', (event) => this.tooltip(event));
        this.canvas.addEventListener('contextmenu', (event) => this.rowMenu(event));
        root.append(tools, rows, this.bar);
        byId('statusline').before(root);
        new ResizeObserver(() => this.draw()).observe(rows);
        this.root = root;
    }

    pixelsPerTick() {
        return Math.min(kMostZoom, Math.max(1, Math.round(Number(this.zoom.value) || kOpeningZoom)));
    }

    look() {
        if (!calls.running || calls.inCall) return;
        if (calls.callNow('lotra_timing_version', 'number', [], []) !== this.shownVersion) this.draw();
    }

    draw() {
        if (!this.shown || !calls.running || calls.inCall) return;
        const rows = /** @type {HTMLElement} */ (this.canvas.parentElement);
        this.shownVersion = calls.callNow('lotra_timing_version', 'number', [], []);
        const scroll = this.following ? -1 : Number(this.bar.value);
        calls.callNow('lotra_timing_draw', null, ['number', 'number', 'number', 'number'],
                      [rows.clientWidth, Math.max(0, rows.clientHeight - 1), this.pixelsPerTick(),
                       scroll]);
    }

    /**
     * The core's picture of the panel.
     * @param {Uint8Array} bytes RGBA
     * @param {number} width
     * @param {number} height
     * @param {number} scroll what it shows from
     * @param {number} lastScroll the furthest it scrolls
     */
    present(bytes, width, height, scroll, lastScroll) {
        this.canvas.width = width;
        this.canvas.height = height;
        const image = new ImageData(new Uint8ClampedArray(bytes), width, height);
        context2d(this.canvas).putImageData(image, 0, 0);
        this.bar.max = String(lastScroll);
        this.bar.value = String(scroll);
    }

    /** @param {MouseEvent} event */
    tooltip(event) {
        if (!calls.running || calls.inCall) return;
        const pointer = calls.callNow('lotra_timing_tooltip', 'number',
                                      ['number', 'number', 'number', 'number'],
                                      [event.offsetX, this.canvas.width, this.pixelsPerTick(),
                                       Number(this.bar.value)]);
        this.canvas.title = calls.core.UTF8ToString(pointer);
    }

    /**
     * A menu of items at the pointer or under an element; the first click anywhere closes it.
     * @param {MenuChoice[]} items
     * @param {number} x
     * @param {number} y
     */
    openMenu(items, x, y) {
        this.closeMenu();
        const menu = element('div', 'timing-menu');
        for (const [label, enabled, run] of items) {
            const item = element('div', enabled ? 'menuitem' : 'menuitem disabled', label);
            if (enabled) item.addEventListener('click', () => { this.closeMenu(); run(); });
            menu.append(item);
        }
        menu.style.left = x + 'px';
        menu.style.top = y + 'px';
        document.body.append(menu);
        this.menu = menu;
        setTimeout(() => document.addEventListener('click', () => this.closeMenu(), { once: true }));
    }

    closeMenu() {
        this.menu?.remove();
        this.menu = null;
    }

    /** @param {MouseEvent} event */
    rowMenu(event) {
        event.preventDefault();
        if (!calls.running || calls.inCall) return;
        const at = JSON.parse(calls.core.UTF8ToString(
            calls.callNow('lotra_timing_row_at', 'number', ['number'], [event.offsetY])));
        if (at.row === undefined) return;
        const enabled = [true, at.row > 0, !at.last, at.bus];
        this.openMenu(kRowActions.map(([label, action], n) => choice(String(label), enabled[n], () => {
            calls.call('lotra_timing_row', ['number', 'number'], [Number(action), at.row])
                .then(() => this.draw());
        })), event.clientX, event.clientY);
    }

    /** @param {HTMLElement} button */
    offerSignals(button) {
        if (!calls.running || calls.inCall) return;
        /** @type {{ name: string, shown: boolean }[]} */
        const signals = JSON.parse(calls.core.UTF8ToString(
            calls.callNow('lotra_timing_signals', 'number', [], [])));
        const box = button.getBoundingClientRect();
        this.openMenu(signals.map((signal, n) => choice(signal.name, !signal.shown, () => {
            calls.call('lotra_timing_add', ['number'], [n]).then(() => this.draw());
        })), box.left, box.bottom);
    }
}

export const timingPanel = new TimingPanel();
