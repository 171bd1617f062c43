// @ts-check
// The work area's two scroll bars and the corner button, placed by the core.
import { control, scroll, scrollBar } from './constants.js';
import { calls } from './core.js';
import { byId, child } from './dom.js';
import { workScale } from './scale.js';

class ScrollBar {
    /**
     * @param {HTMLElement} element
     * @param {number} id the core's number of the bar
     */
    constructor(element, id) {
        this.element = element;
        this.id = id;
        this.vertical = id === scrollBar.Vertical;
        this.min = 0;
        this.max = 100;
        this.pos = 0;
        this.page = 1;
        this.track = child(element, '.track');
        this.thumb = child(element, '.thumb');
        const [first, last] = /** @type {NodeListOf<HTMLElement>} */ (element.querySelectorAll('.arrow'));
        this.repeatOnHold(first, () => scroll.LineUp);
        this.repeatOnHold(last, () => scroll.LineDown);
        this.repeatOnHold(this.track, (event) => {
            const r = this.thumb.getBoundingClientRect();
            const at = this.vertical ? event.clientY : event.clientX;
            const thumbStart = this.vertical ? r.top : r.left;
            return at < thumbStart ? scroll.PageUp : scroll.PageDown;
        }, true);
        this.thumb.addEventListener('pointerdown', (event) => this.drag(event));
    }

    /**
     * @param {number} code
     * @param {number} [position]
     */
    send(code, position) {
        return calls.call('lotra_scroll', ['number', 'number', 'number'],
                          [this.id, code, position === undefined ? this.pos : position]);
    }

    /**
     * Pressing sends the first step at once and repeats while held; the release ends
     * the gesture with an end-scroll message.
     * @param {HTMLElement} target
     * @param {(event: PointerEvent) => number} codeFor
     * @param {boolean} [onTrackOnly]
     */
    repeatOnHold(target, codeFor, onTrackOnly) {
        target.addEventListener('pointerdown', (event) => {
            if (event.button !== 0) return;
            if (onTrackOnly && event.target !== target) return;
            event.preventDefault();
            target.setPointerCapture(event.pointerId);
            let last = event;
            const step = () => this.send(codeFor(last));
            step();
            /** @type {number | null} */
            let repeat = null;
            const delay = setTimeout(() => { repeat = setInterval(step, 50); }, 400);
            /** @param {PointerEvent} e */
            const move = (e) => { last = e; };
            const up = () => {
                clearTimeout(delay);
                if (repeat) clearInterval(repeat);
                target.removeEventListener('pointermove', move);
                target.removeEventListener('pointerup', up);
                target.removeEventListener('pointercancel', up);
                this.send(scroll.EndScroll);
            };
            target.addEventListener('pointermove', move);
            target.addEventListener('pointerup', up);
            target.addEventListener('pointercancel', up);
        });
    }

    /** @param {PointerEvent} event */
    drag(event) {
        if (event.button !== 0) return;
        event.preventDefault();
        event.stopPropagation();
        this.thumb.setPointerCapture(event.pointerId);
        const start = this.vertical ? event.clientY : event.clientX;
        const startPos = this.pos;
        let position = this.pos;
        /** @param {PointerEvent} e */
        const move = (e) => {
            const travel = this.trackLength() - this.thumbLength();
            if (travel <= 0) return;
            const delta = (this.vertical ? e.clientY : e.clientX) - start;
            position = Math.round(startPos + delta * (this.max - this.min) / travel);
            position = Math.max(this.min, Math.min(this.max, position));
            this.placeThumb(position);
            this.send(scroll.ThumbTrack, position);
        };
        const up = () => {
            this.thumb.removeEventListener('pointermove', move);
            this.thumb.removeEventListener('pointerup', up);
            this.send(scroll.ThumbPosition, position).then(() => this.send(scroll.EndScroll));
        };
        this.thumb.addEventListener('pointermove', move);
        this.thumb.addEventListener('pointerup', up);
    }

    trackLength() {
        return this.vertical ? this.track.clientHeight : this.track.clientWidth;
    }

    // The thumb is as long as the share of the range in view.
    thumbLength() {
        const span = this.max - this.min + this.page;
        return Math.max(8, Math.round(this.trackLength() * this.page / Math.max(1, span)));
    }

    /** @param {number} position */
    placeThumb(position) {
        const travel = this.trackLength() - this.thumbLength();
        const range = this.max - this.min;
        const offset = range > 0 ? Math.round(travel * (position - this.min) / range) : 0;
        const length = this.thumbLength() + 'px';
        if (this.vertical) {
            this.thumb.style.top = offset + 'px';
            this.thumb.style.height = length;
        } else {
            this.thumb.style.left = offset + 'px';
            this.thumb.style.width = length;
        }
    }

    update() {
        this.placeThumb(this.pos);
    }
}

class ScrollControls {
    constructor() {
        /** @type {ScrollBar[]} indexed by the core's bar numbers */
        this.bars = [];
    }

    connect() {
        this.bars[scrollBar.Vertical] = new ScrollBar(byId('vbar'), scrollBar.Vertical);
        this.bars[scrollBar.Horizontal] = new ScrollBar(byId('hbar'), scrollBar.Horizontal);
        byId('corner').addEventListener('mousedown', (e) => e.preventDefault());
    }

    /**
     * @param {number} id
     * @param {number} min
     * @param {number} max
     */
    setRange(id, min, max) {
        const bar = this.bars[id];
        bar.min = min;
        bar.max = max;
        bar.update();
    }

    /**
     * @param {number} id
     * @param {number} pos
     */
    setPos(id, pos) {
        const bar = this.bars[id];
        bar.pos = pos;
        bar.update();
    }

    /**
     * How much of the range the work area shows, for the thumb's length.
     * @param {number} id
     * @param {number} page
     */
    setPage(id, page) {
        const bar = this.bars[id];
        if (!bar) return;
        bar.page = Math.max(1, page);
        bar.update();
    }

    /**
     * @param {number} id a bar's control, or the corner button
     * @param {number} left in the work area's pixels, as all four
     * @param {number} top
     * @param {number} width
     * @param {number} height
     */
    moveControl(id, left, top, width, height) {
        const bar = id === control.VerticalBar ? this.bars[scrollBar.Vertical]
            : id === control.HorizontalBar ? this.bars[scrollBar.Horizontal] : null;
        const element = bar ? bar.element : byId('corner');
        /** @param {number} pixels */
        const css = (pixels) => pixels * workScale.css + 'px';
        Object.assign(element.style, { left: css(left), top: css(top), width: css(width), height: css(height) });
        if (bar) {
            bar.page = Math.max(width, height);
            bar.update();
        }
    }
}

export const scrollControls = new ScrollControls();
