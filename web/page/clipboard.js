// @ts-check
// The group the user copies: circuit-file bytes under the program's own type, with
// its picture, on the browser's clipboard as far as the browser allows, and always
// in the page too. A browser that refuses types of a program's own gets the picture
// alone; one that will not let the page read its clipboard pastes the page's copy.
import { calls } from './core.js';

/** How the browser names a clipboard type of the page's own. */
const kCircuitType = 'web application/x-lotra-circuit';

/** @type {Uint8Array<ArrayBuffer> | null} what the page copied last */
let pageCopy = null;

/**
 * @param {Uint8Array<ArrayBuffer>} circuit
 * @param {Uint8Array<ArrayBuffer>} png
 */
export async function putOnClipboard(circuit, png) {
    pageCopy = circuit;
    if (!navigator.clipboard || typeof ClipboardItem === 'undefined') return;
    const picture = new Blob([png], { type: 'image/png' });
    const bytes = new Blob([circuit], { type: kCircuitType });
    try {
        await navigator.clipboard.write([new ClipboardItem({ [kCircuitType]: bytes,
                                                              'image/png': picture })]);
    } catch {
        try {
            await navigator.clipboard.write([new ClipboardItem({ 'image/png': picture })]);
        } catch {
            // The page's copy still pastes here.
        }
    }
}

/** @returns {Promise<Uint8Array | null>} the group on the clipboard, or the page's copy */
async function clipboardCircuit() {
    try {
        for (const item of await navigator.clipboard.read()) {
            if (item.types.includes(kCircuitType)) {
                return new Uint8Array(await (await item.getType(kCircuitType)).arrayBuffer());
            }
        }
    } catch {
        // Not allowed to read it: the page's copy is all there is.
    }
    return pageCopy;
}

/** "Вставить": the core gets what the clipboard holds, then pastes it. */
export async function paste() {
    const circuit = await clipboardCircuit();
    const bytes = circuit ?? new Uint8Array(0);
    await calls.call('lotra_paste', ['array', 'number'], [bytes, circuit ? bytes.length : -1],
                     { changes: true });
}
