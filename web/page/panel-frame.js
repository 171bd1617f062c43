// @ts-check
// A window of the page beside the work area that is not modal: a caption to drag it
// by, with a close button, over the window and under its menus and dialogs.
import { analysisTexts } from './constants.js';

/** How many panels were shown, for placing each new one a little lower. */
let shownPanels = 0;
/** @type {HTMLElement | null} the panel in front of the others */
let frontPanel = null;

export class Panel {
    /**
     * @param {string} name its element's id
     * @param {string} title
     * @param {() => void} onClose
     */
    constructor(name, title, onClose) {
        this.element = document.createElement('div');
        this.element.className = 'panel';
        this.element.id = name;
        this.element.setAttribute('role', 'dialog');
        this.element.setAttribute('aria-label', title);
        this.element.hidden = true;
        const caption = document.createElement('div');
        caption.className = 'caption';
        const heading = document.createElement('span');
        heading.textContent = title;
        const close = document.createElement('button');
        close.className = 'close';
        close.textContent = '×';
        close.title = analysisTexts.Close;
        close.addEventListener('click', () => {
            this.element.hidden = true;
            onClose();
        });
        caption.append(heading, close);
        this.body = document.createElement('div');
        this.body.className = 'body';
        this.element.append(caption, this.body);
        this.dragBy(caption);
        this.element.addEventListener('pointerdown', () => this.raise(), { capture: true });
        // Keys typed in the panel are the panel's, not the work area's.
        this.element.addEventListener('keydown', (event) => {
            if (!event.ctrlKey && !event.altKey && event.key !== 'F1' && event.key !== 'F10') {
                event.stopPropagation();
            }
        });
        document.body.append(this.element);
    }

    get open() {
        return !this.element.hidden;
    }

    // In front of the other panels, still under the menus and dialogs.
    raise() {
        if (frontPanel === this.element) return;
        if (frontPanel) frontPanel.classList.remove('front');
        this.element.classList.add('front');
        frontPanel = this.element;
    }

    // Shown where it was, or, the first time, a little right of and below the last;
    // brought forward when it is open already.
    show() {
        this.raise();
        if (this.open) return;
        this.element.hidden = false;
        if (!this.element.style.left) {
            const offset = 30 * (shownPanels++ % 4);
            const left = Math.min(innerWidth - this.element.offsetWidth, offset + 120);
            const top = Math.min(innerHeight - this.element.offsetHeight, offset + 24);
            this.element.style.left = Math.max(0, left) + 'px';
            this.element.style.top = Math.max(0, top) + 'px';
        }
    }

    /** @param {HTMLElement} caption */
    dragBy(caption) {
        caption.addEventListener('pointerdown', (event) => {
            if (event.target !== caption && !(event.target instanceof HTMLSpanElement)) return;
            const from = { x: event.clientX, y: event.clientY,
                           left: this.element.offsetLeft, top: this.element.offsetTop };
            caption.setPointerCapture(event.pointerId);
            /** @param {PointerEvent} move */
            const follow = (move) => {
                const left = from.left + move.clientX - from.x, top = from.top + move.clientY - from.y;
                this.element.style.left = Math.min(Math.max(left, 40 - this.element.offsetWidth),
                                                   innerWidth - 40) + 'px';
                this.element.style.top = Math.min(Math.max(top, 0), innerHeight - 22) + 'px';
            };
            const stop = () => {
                caption.removeEventListener('pointermove', follow);
                caption.removeEventListener('pointerup', stop);
            };
            caption.addEventListener('pointermove', follow);
            caption.addEventListener('pointerup', stop);
        });
    }

    /**
     * A check box with its label.
     * @param {string} text
     * @param {() => void} onChange
     * @returns {[HTMLLabelElement, HTMLInputElement]}
     */
    checkBox(text, onChange) {
        const label = document.createElement('label');
        const input = document.createElement('input');
        input.type = 'checkbox';
        input.addEventListener('change', onChange);
        label.append(input, text);
        return [label, input];
    }
}
