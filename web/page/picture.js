// @ts-check
// The work area's picture: painted by the core when asked, shown on the canvas.
import { calls, stats } from './core.js';
import { byId, context2d } from './dom.js';

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
        if (calls.running && !calls.inCall) calls.callNow('lotra_paint', null, [], []);
    }

    /**
     * The picture comes at one pixel per CSS pixel.
     * @param {Uint8Array} bytes RGBA
     * @param {number} width
     * @param {number} height
     */
    present(bytes, width, height) {
        this.frame = new ImageData(new Uint8ClampedArray(bytes), width, height);
        this.show();
        if (stats.firstFrame === null) stats.firstFrame = performance.now();
    }

    // A finer screen gets every pixel as a square of device pixels, never smoothed.
    show() {
        const frame = this.frame;
        if (!frame) return;
        const canvas = this.canvas;
        const context = /** @type {CanvasRenderingContext2D} */ (context2d(canvas));
        const scale = Math.max(1, Math.round(window.devicePixelRatio || 1));
        if (canvas.width !== frame.width * scale || canvas.height !== frame.height * scale) {
            canvas.width = frame.width * scale;
            canvas.height = frame.height * scale;
        }
        canvas.style.width = frame.width + 'px';
        canvas.style.height = frame.height + 'px';
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
