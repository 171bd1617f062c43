// @ts-check
// Text in the page's font, measured and stamped for the core's drawing.

const textCanvas = document.createElement('canvas');
const textContext = /** @type {CanvasRenderingContext2D} */ (
    textCanvas.getContext('2d', { willReadFrequently: true }));
/** @type {Map<string, { css: string, ascent: number, height: number }>} */
const fontSizes = new Map();

/**
 * A positive height is the whole character cell: the size is scaled so that ascent
 * plus descent come to it.
 * @param {number} height
 * @param {number} weight
 * @param {string} face
 */
function fontFor(height, weight, face) {
    const family = '"LotraMono", "Liberation Mono", monospace';
    /** @param {number} px */
    const css = (px) => `${weight >= 600 ? 'bold' : 'normal'} ${px}px ${family}`;
    const key = `${height}/${weight}/${face}`;
    let font = fontSizes.get(key);
    if (!font) {
        let px = Math.abs(height) || 16;
        if (height > 0) {
            textContext.font = css(height);
            const m = textContext.measureText('0');
            const cell = Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent);
            if (cell > 0 && cell !== height) px = Math.max(1, Math.floor((height * height + cell / 2) / cell));
        }
        textContext.font = css(px);
        const m = textContext.measureText('0');
        font = { css: css(px), ascent: Math.round(m.fontBoundingBoxAscent),
                 height: Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent) };
        fontSizes.set(key, font);
    }
    return font;
}

/**
 * @param {string} text
 * @param {number} height
 * @param {number} weight
 * @param {string} face
 * @returns {number} the width in the high 16 bits, the height in the low ones
 */
export function measureText(text, height, weight, face) {
    const font = fontFor(height, weight, face);
    textContext.font = font.css;
    const width = Math.round(textContext.measureText(text).width);
    return (Math.min(width, 0x7fff) << 16) | Math.min(font.height, 0xffff);
}

/**
 * Ink where the glyphs cover at least half a pixel: the desktop draws text unsmoothed.
 * @param {string} text
 * @param {number} height
 * @param {number} weight
 * @param {string} face
 * @param {Uint8Array} ink one byte a pixel, written
 * @param {number} width
 * @param {number} rows
 */
export function stampText(text, height, weight, face, ink, width, rows) {
    const font = fontFor(height, weight, face);
    textCanvas.width = width;
    textCanvas.height = rows;
    textContext.clearRect(0, 0, width, rows);
    textContext.font = font.css;
    textContext.fillStyle = 'black';
    textContext.textBaseline = 'alphabetic';
    textContext.fillText(text, 0, font.ascent);
    const alpha = textContext.getImageData(0, 0, width, rows).data;
    for (let i = 0; i < width * rows; i++) ink[i] = alpha[i * 4 + 3] >= 128 ? 1 : 0;
}
