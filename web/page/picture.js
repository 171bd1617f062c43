// @ts-check
// The work area's picture: painted by the core when asked, shown on the canvas.
import { calls, stats } from './core.js';
import { byId, context2d } from './dom.js';
import { workScale } from './scale.js';

class WorkAreaPicture {
    constructor() {
        this.paintPending = false;
        /** @type {ImageData | null} the last picture, for a change of device pixel scale */
        this.frame = null;
    }

    get canvas() {
        return /** @type {HTMLCanvasElement} */ (byId('workarea'));
    }

    // One paint on the next frame covers every request before it.
    requestPaint() {
        if (this.paintPending) return;
        this.paintPending = true;
        requestAnimationFrame(() => {
            if (this.paintPending && !calls.inCall) this.paint();
        });
    }

    // A hidden page paints when it shows again (requestPaint's frame comes then).
    paintIfPending() {
        if (this.paintPending && !document.hidden) this.paint();
    }

    paint() {
        this.paintPending = false;
        if (!calls.running || calls.inCall) return;
        const started = performance.now();
        calls.callNow('lotra_paint', null, [], []);
        stats.lastPaintMs = performance.now() - started;
    }

    /**
     * The picture comes in the work area's pixels.
     * @param {Uint8Array} bytes RGBA
     * @param {number} width
     * @param {number} height
     */
    present(bytes, width, height) {
        this.frame = new ImageData(new Uint8ClampedArray(bytes), width, height);
        this.show();
        if (stats.firstFrame === null) stats.firstFrame = performance.now();
    }

    // Each pixel is a square of whole device pixels, never smoothed: a line is as
    // wide as every other line of its width at any scaling.
    show() {
        const frame = this.frame;
        if (!frame) return;
        const canvas = this.canvas;
        const context = /** @type {CanvasRenderingContext2D} */ (context2d(canvas));
        const scale = workScale.devicePixels;
        if (canvas.width !== frame.width * scale || canvas.height !== frame.height * scale) {
            canvas.width = frame.width * scale;
            canvas.height = frame.height * scale;
        }
        canvas.style.width = frame.width * workScale.css + 'px';
        canvas.style.height = frame.height * workScale.css + 'px';
        // It starts on a whole device pixel, wherever the bars above it end.
        const client = byId('client').getBoundingClientRect();
        const ratio = window.devicePixelRatio || 1;
        /** @param {number} start */
        const toWholePixel = (start) => (Math.ceil(start * ratio - 0.001) - start * ratio) / ratio + 'px';
        canvas.style.left = toWholePixel(client.left);
        canvas.style.top = toWholePixel(client.top);
        if (scale === 1) {
            context.putImageData(frame, 0, 0);
            return;
        }
        const source = new OffscreenCanvas(frame.width, frame.height);
        context2d(source).putImageData(frame, 0, 0);
        context.imageSmoothingEnabled = false;
        context.drawImage(source, 0, 0, canvas.width, canvas.height);
    }
}

export const picture = new WorkAreaPicture();
