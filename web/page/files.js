// @ts-check
// Files from and to the user's computer, and the manual the page carries.
import { calls } from './core.js';
import { byId } from './dom.js';

/**
 * Asks for a circuit file; its bytes go to `stagedPath`.
 * @param {string} stagedPath
 * @returns {Promise<string | null>} the file's name, or null when none was chosen
 */
export function pickFile(stagedPath) {
    return new Promise((resolve) => {
        const input = document.createElement('input');
        input.type = 'file';
        input.accept = '.vrt';
        input.addEventListener('change', async () => {
            const file = input.files && input.files[0];
            if (!file) {
                resolve(null);
                return;
            }
            calls.core.FS.writeFile(stagedPath, new Uint8Array(await file.arrayBuffer()));
            resolve(file.name);
        });
        input.addEventListener('cancel', () => resolve(null));
        input.click();
    });
}

/**
 * @param {Uint8Array<ArrayBuffer>} bytes
 * @param {string} name
 */
export function download(bytes, name) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

/**
 * The bytes as a zlib stream by the browser's own compressor, for the pictures.
 * @param {Uint8Array<ArrayBuffer>} bytes
 * @returns {Promise<Uint8Array | null>} null where the browser has none
 */
export async function deflate(bytes) {
    if (typeof CompressionStream === 'undefined') return null;
    try {
        const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate'));
        return new Uint8Array(await new Response(stream).arrayBuffer());
    } catch {
        return null;
    }
}

// A file dropped anywhere on the page is opened as one loaded from the computer.
export function connectDrop() {
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', async (event) => {
        event.preventDefault();
        const file = event.dataTransfer && event.dataTransfer.files[0];
        if (!file || !calls.running) return;
        const staged = '/tmp/dropped.vrt';
        calls.core.FS.writeFile(staged, new Uint8Array(await file.arrayBuffer()));
        calls.call('lotra_drop', ['string', 'string'], [staged, file.name], { changes: true });
    });
}

/**
 * The bytes of base64 text; text that is not base64 throws.
 * @param {string} text
 * @returns {Uint8Array<ArrayBuffer>}
 */
export function bytesOfBase64(text) {
    const native = /** @type {{ fromBase64?: (text: string) => Uint8Array<ArrayBuffer> }} */ (
        /** @type {unknown} */ (Uint8Array));
    if (native.fromBase64) return native.fromBase64(text);
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
}

/**
 * Bytes the page holds as base64 text in an element of its own.
 * @param {string} id
 * @returns {Uint8Array<ArrayBuffer>}
 */
export function embeddedBytes(id) {
    return bytesOfBase64((byId(id).textContent || '').trim());
}

// The user's manual, in a new tab.
export function openManual() {
    const url = URL.createObjectURL(new Blob([embeddedBytes('manual')], { type: 'text/html' }));
    window.open(url, '_blank');
}
