// @ts-check
// The group the user copies goes on the clipboard as the browser lets a page put
// types of its own there: circuit-file bytes (in Base64) under the program's type,
// which the desktop program reads and writes too, with the picture as an HTML image
// for programs that take pictures. Ctrl+V pastes what the clipboard holds, from
// any window; the menu's "Вставить", which the browser gives no clipboard, and a
// clipboard without the program's type paste what the page copied last.
import { calls } from './core.js';
import { modalOpen } from './dom.js';
import { bytesOfBase64 } from './files.js';

const kCircuitType = 'application/x-lotra-circuit';

/** @type {{ circuit: Uint8Array, png: Uint8Array } | null} what the page copied last */
let pageCopy = null;
/** The copy under way is the page's own, not the user's copy of text in a dialog. */
let copying = false;

/** @param {Uint8Array} bytes */
function toBase64(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
        text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    }
    return btoa(text);
}

/**
 * @param {string} text
 * @returns {Uint8Array | null}
 */
function fromBase64(text) {
    try {
        return bytesOfBase64(text);
    } catch {
        return null;
    }
}

/**
 * @param {Uint8Array} circuit
 * @param {Uint8Array} png
 */
export function putOnClipboard(circuit, png) {
    pageCopy = { circuit, png };
    copying = true;
    try {
        document.execCommand('copy');
    } finally {
        copying = false;
    }
}

/** @param {Uint8Array | null} circuit the bytes, or none when there is nothing to paste */
function pasteBytes(circuit) {
    const bytes = circuit ?? new Uint8Array(0);
    return calls.call('lotra_paste', ['array', 'number'], [bytes, circuit ? bytes.length : -1],
                      { changes: true });
}

/** The menu's "Вставить". */
export function pasteFromPage() {
    return pasteBytes(pageCopy ? pageCopy.circuit : null);
}

export function connectClipboard() {
    document.addEventListener('copy', (event) => {
        if (!copying || !pageCopy || !event.clipboardData) return;
        event.preventDefault();
        event.clipboardData.setData(kCircuitType, toBase64(pageCopy.circuit));
        event.clipboardData.setData('text/html',
                                    `<img src="data:image/png;base64,${toBase64(pageCopy.png)}">`);
    });
    document.addEventListener('paste', (event) => {
        if (modalOpen() || !event.clipboardData) return;
        event.preventDefault();
        const held = event.clipboardData.getData(kCircuitType);
        pasteBytes(held ? fromBase64(held) : pageCopy ? pageCopy.circuit : null);
    });
}
