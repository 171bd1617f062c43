// @ts-check
// The frame of the page's dialogs, modal over the window, its controls placed in
// dialog units of the template's font; and the message boxes.
import { texts } from './constants.js';
import { byId } from './dom.js';

/**
 * What a dialog answers on OK: its fields, or nothing more; null is Cancel.
 * @typedef {Record<string, unknown>} Answer
 */
/** @typedef {{ cellWidth: number, cellHeight: number, pixelSize: number }} TemplateFont */
/** @typedef {[number, number, number, number]} Units x, y, width, height */
/** @typedef {{ left: number, top: number, width: number, height: number }} Box */

// Average character cell of the template fonts: a horizontal unit is a quarter of
// its width, a vertical unit an eighth of its height.
/** @type {TemplateFont} */
export const kFont8 = { cellWidth: 6, cellHeight: 13, pixelSize: 11 };
/** @type {TemplateFont} */
export const kFont10 = { cellWidth: 7, cellHeight: 16, pixelSize: 13 };

/**
 * @param {number} units
 * @param {number} cell
 * @param {number} parts
 */
const scale = (units, cell, parts) => Math.round(units * cell / parts);

/**
 * @param {TemplateFont} font
 * @param {Units} units
 * @returns {Box}
 */
function place(font, [x, y, w, h]) {
    const left = scale(x, font.cellWidth, 4), top = scale(y, font.cellHeight, 8);
    return { left, top, width: scale(x + w, font.cellWidth, 4) - left,
             height: scale(y + h, font.cellHeight, 8) - top };
}

/**
 * @template {HTMLElement} E
 * @param {E} element
 * @param {Box} rect pixels
 * @returns {E}
 */
export function position(element, rect) {
    element.style.left = rect.left + 'px';
    element.style.top = rect.top + 'px';
    element.style.width = rect.width + 'px';
    element.style.height = rect.height + 'px';
    return element;
}

/**
 * Our faces run wider than the ones the boxes were measured for: a text that does
 * not fit gets a little smaller first, and if that is not enough its box grows
 * downwards rather than cut off a line.
 * @param {HTMLElement} element
 */
function fitTextToBox(element) {
    const fits = () => element.scrollHeight <= element.clientHeight;
    const size = parseFloat(getComputedStyle(element).fontSize);
    for (let step = 1; !fits() && step <= 4; step++) {
        element.style.fontSize = (size * (1 - 0.05 * step)) + 'px';
    }
    if (!fits()) element.style.height = element.scrollHeight + 'px';
}

// A dialog frame of the given size in units, shown centred or at an anchor.
export class Dialog {
    /**
     * @param {string} title
     * @param {number} widthUnits
     * @param {number} heightUnits
     * @param {TemplateFont} [font]
     */
    constructor(title, widthUnits, heightUnits, font = kFont8) {
        this.font = font;
        this.modal = byId('modal');
        this.element = document.createElement('div');
        this.element.className = 'dialog';
        this.element.setAttribute('role', 'dialog');
        this.element.setAttribute('aria-label', title);
        const caption = document.createElement('div');
        caption.className = 'caption';
        caption.textContent = title;
        this.body = document.createElement('div');
        this.body.className = 'body';
        this.body.style.fontSize = font.pixelSize + 'px';
        const size = place(font, [0, 0, widthUnits, heightUnits]);
        this.body.style.width = size.width + 'px';
        this.body.style.height = size.height + 'px';
        this.element.append(caption, this.body);
        /** @type {HTMLButtonElement | null} */
        this.defaultButton = null;
        /** @type {Answer | null} what Escape answers */
        this.cancelAnswer = null;
        /** A validation message is open over the dialog. */
        this.nested = false;
        /** @type {(HTMLButtonElement | HTMLInputElement)[] | null} where Tab goes, when not in page order */
        this.tabOrder = null;
        /** @type {(answer: Answer | null) => void} */
        this.resolve = () => {};
        /** @type {Promise<Answer | null>} */
        this.promise = new Promise((resolve) => { this.resolve = resolve; });
    }

    /**
     * @template {HTMLElement} E
     * @param {E} element
     * @param {Units} [units] where it goes, unless it is placed already
     * @returns {E}
     */
    add(element, units) {
        this.body.append(units ? position(element, place(this.font, units)) : element);
        return element;
    }

    /**
     * @param {string} text
     * @param {Units} units
     * @param {() => void} onClick
     */
    button(text, units, onClick) {
        const button = document.createElement('button');
        button.textContent = text;
        button.addEventListener('click', onClick);
        return this.add(button, units);
    }

    /**
     * @param {string} text
     * @param {Units} units
     * @param {string} [align]
     */
    staticText(text, units, align = 'left') {
        const div = document.createElement('div');
        div.className = 'static';
        div.style.textAlign = align;
        div.textContent = text;
        return this.add(div, units);
    }

    /**
     * @param {Units} units
     * @param {{ readOnly?: boolean, centred?: boolean, maxLength?: number }} [options]
     */
    edit(units, { readOnly = false, centred = false, maxLength = 0 } = {}) {
        const input = document.createElement('input');
        input.type = 'text';
        if (centred) input.classList.add('centred');
        if (maxLength) input.maxLength = maxLength;
        if (readOnly) {
            input.readOnly = true;
            input.tabIndex = -1;
            Object.assign(input.style, { border: 'none', background: 'transparent',
                                         padding: '0', verticalAlign: 'top' });
        }
        return this.add(input, units);
    }

    /**
     * @param {Units} okUnits
     * @param {Units} cancelUnits
     * @param {() => void} accept
     */
    okCancel(okUnits, cancelUnits, accept) {
        this.defaultButton = this.button(texts.Ok, okUnits, accept);
        return [this.defaultButton, this.button(texts.Cancel, cancelUnits, () => this.close(null))];
    }

    /**
     * Shows the dialog over the window; Enter presses the focused button or the
     * default one, Escape cancels.
     * @param {HTMLElement | null} [focus]
     * @param {{ x: number, y: number }} [anchor] the top-left corner, kept on the screen
     */
    show(focus, anchor) {
        this.modal.replaceChildren(this.element);
        this.modal.hidden = false;
        const width = this.element.offsetWidth, height = this.element.offsetHeight;
        let left = (innerWidth - width) / 2, top = (innerHeight - height) / 2;
        if (anchor) {
            left = Math.min(Math.max(0, anchor.x), Math.max(0, innerWidth - width));
            top = Math.min(Math.max(0, anchor.y), Math.max(0, innerHeight - height));
        }
        this.element.style.left = Math.round(left) + 'px';
        this.element.style.top = Math.round(top) + 'px';
        this.element.addEventListener('keydown', (event) => this.key(event));
        for (const text of this.body.querySelectorAll('.static')) fitTextToBox(/** @type {HTMLElement} */ (text));
        (focus || this.defaultButton || this.element).focus();
        if (focus instanceof HTMLInputElement) focus.select();
        return this.promise;
    }

    /** @param {KeyboardEvent} event */
    key(event) {
        event.stopPropagation();
        if (event.key === 'Escape') {
            event.preventDefault();
            this.close(this.cancelAnswer);
        } else if (event.key === 'Enter') {
            event.preventDefault();
            const focused = document.activeElement;
            if (focused instanceof HTMLButtonElement && this.body.contains(focused)) {
                focused.click();
            } else if (this.defaultButton) {
                this.defaultButton.click();
            }
        } else if (event.key === 'Tab') {
            // Focus stays inside the dialog.
            const stops = (this.tabOrder || [...this.body.querySelectorAll(
                'button:not([tabindex="-1"]), input:not([tabindex="-1"])')]
                .map((e) => /** @type {HTMLButtonElement | HTMLInputElement} */ (e)))
                .filter((e) => !e.disabled && e.offsetParent);
            if (!stops.length) return;
            const at = stops.indexOf(/** @type {HTMLButtonElement} */ (document.activeElement));
            const next = (at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length;
            event.preventDefault();
            stops[next].focus();
        }
    }

    /** @param {Answer | null} answer */
    close(answer) {
        if (this.nested) return;
        this.modal.hidden = true;
        this.modal.replaceChildren();
        this.resolve(answer);
    }

    /**
     * A validation message over this dialog; the field gets the focus back, selected.
     * @param {HTMLInputElement} field
     * @param {string} message
     */
    async refuse(field, message) {
        this.nested = true;
        const saved = [...this.modal.childNodes];
        await messageBox({ text: message, caption: texts.DefaultCaption, cancel: false,
                           warning: true, keepOpen: true });
        this.modal.replaceChildren(...saved);
        this.modal.hidden = false;
        this.nested = false;
        field.focus();
        field.select();
    }
}

/**
 * @typedef {object} MessageRequest
 * @property {string} text
 * @property {string} [caption] none or empty: the default one
 * @property {boolean} cancel with Cancel and the exclamation mark
 * @property {boolean} [warning] the exclamation mark without Cancel
 * @property {boolean} [keepOpen] the modal layer stays for the dialog beneath
 */

/**
 * The message boxes: OK alone, or OK and Cancel with the exclamation mark.
 * @param {MessageRequest} request
 * @returns {Promise<Answer | null>}
 */
export function messageBox({ text, caption, cancel, warning, keepOpen }) {
    const box = document.createElement('div');
    box.className = 'dialog messagebox';
    box.setAttribute('role', 'alertdialog');
    const title = document.createElement('div');
    title.className = 'caption';
    title.textContent = caption || texts.DefaultCaption;
    const body = document.createElement('div');
    Object.assign(body.style, { padding: '16px 16px 8px', display: 'flex', gap: '12px',
                                alignItems: 'center', maxWidth: '480px' });
    if (cancel || warning) {
        const mark = document.createElement('div');
        mark.textContent = '!';
        Object.assign(mark.style, { width: '28px', height: '28px', borderRadius: '50%',
                                    background: '#f0c000', textAlign: 'center', font: 'bold 20px/28px sans-serif',
                                    flex: 'none' });
        body.append(mark);
    }
    const message = document.createElement('div');
    message.className = 'message';
    message.style.whiteSpace = 'pre-wrap';
    message.textContent = text;
    body.append(message);
    const buttons = document.createElement('div');
    Object.assign(buttons.style, { display: 'flex', justifyContent: 'center', gap: '8px',
                                   padding: '8px 16px 12px' });
    const modal = byId('modal');
    /** @type {(answer: Answer | null) => void} */
    let finish = () => {};
    /** @type {Promise<Answer | null>} */
    const promise = new Promise((resolve) => {
        finish = (answer) => {
            if (!keepOpen) {
                modal.hidden = true;
                modal.replaceChildren();
            }
            resolve(answer);
        };
    });
    /**
     * @param {string} label
     * @param {Answer | null} answer
     */
    const make = (label, answer) => {
        const b = document.createElement('button');
        b.textContent = label;
        Object.assign(b.style, { minWidth: '75px', height: '23px' });
        b.addEventListener('click', () => finish(answer));
        buttons.append(b);
        return b;
    };
    const ok = make(texts.Ok, {});
    if (cancel) make(texts.Cancel, null);
    box.append(title, body, buttons);
    box.addEventListener('keydown', (event) => {
        event.stopPropagation();
        if (event.key === 'Escape') {
            event.preventDefault();
            finish(cancel ? null : {});
        }
        if (event.key === 'Enter') {
            event.preventDefault();
            const focused = document.activeElement;
            (focused instanceof HTMLElement && box.contains(focused) ? focused : ok).click();
        }
    });
    modal.replaceChildren(box);
    modal.hidden = false;
    box.style.left = Math.round((innerWidth - box.offsetWidth) / 2) + 'px';
    box.style.top = Math.round((innerHeight - box.offsetHeight) / 2) + 'px';
    ok.focus();
    return promise;
}
