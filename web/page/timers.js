// @ts-check
// The core's timers: one tick at a time, a long one delays the next.
import { calls } from './core.js';

/** @typedef {{ interval: number, handle: number }} Timer */

class Timers {
    constructor() {
        /** @type {Map<number, Timer>} */
        this.running = new Map();
    }

    /**
     * @param {number} id
     * @param {number} interval milliseconds
     */
    set(id, interval) {
        this.kill(id);
        /** @type {Timer} */
        const timer = { interval, handle: 0 };
        const tick = async () => {
            if (this.running.get(id) !== timer) return;
            if (calls.busy) {
                timer.handle = setTimeout(tick, 10);
                return;
            }
            const started = performance.now();
            await calls.call('lotra_timer', ['number'], [id]);
            if (this.running.get(id) !== timer) return;
            const spent = performance.now() - started;
            timer.handle = setTimeout(tick, Math.max(0, interval - spent));
        };
        timer.handle = setTimeout(tick, interval);
        this.running.set(id, timer);
    }

    /** @param {number} id */
    kill(id) {
        const timer = this.running.get(id);
        if (timer) clearTimeout(timer.handle);
        this.running.delete(id);
    }

    killAll() {
        for (const id of [...this.running.keys()]) this.kill(id);
    }

    ids() {
        return [...this.running.keys()];
    }
}

export const timers = new Timers();
