// @ts-check
// The core's timers, which keep time: a tick falls due every interval counted from
// when the timer was set, and one that the browser delivers late (a background tab
// wakes its page about once a second) comes with the ticks it missed, up to a minute
// of them; older ones are dropped, as after the computer slept. Ticks run one at a
// time: between the core's calls, or inside a call that waits in a dialog, where the
// core runs them itself as a desktop's modal loop delivers its window's timers.
import { calls, stats } from './core.js';

/** How late a tick may run: ones due longer ago are dropped. */
const kCatchUpMs = 60000;

/** @typedef {{ interval: number, due: number }} Timer */

// What the core waits for in the page while a dialog is open: the dialog's answer,
// or a tick that falls due first, which it runs before it waits again.
class CoreWait {
    constructor() {
        /** @type {((id: number) => void) | null} the waiting core's wake-up */
        this.wake = null;
        this.answered = false;
        /** @type {unknown} */
        this.answer = null;
    }

    /** @param {Promise<unknown>} answer */
    begin(answer) {
        this.answered = false;
        this.answer = null;
        answer.then((value) => {
            this.answer = value;
            this.answered = true;
            this.wakeUp(-1);
        });
    }

    get waiting() {
        return this.wake !== null;
    }

    /**
     * What the waiting core is to do next: a tick that is due, or the first one
     * that falls due, or -1 once the dialog is answered.
     * @returns {Promise<number>} the timer's id, or -1
     */
    next() {
        if (this.answered) return Promise.resolve(-1);
        const due = timers.takeDue();
        if (due !== null) return Promise.resolve(due);
        return new Promise((resolve) => {
            this.wake = resolve;
            timers.schedule();
        });
    }

    /** @param {number} id */
    wakeUp(id) {
        const wake = this.wake;
        this.wake = null;
        if (wake) wake(id);
    }

    take() {
        const answer = this.answer;
        this.answer = null;
        this.answered = false;
        return answer;
    }
}

export const coreWait = new CoreWait();

class Timers {
    constructor() {
        /** @type {Map<number, Timer>} */
        this.running = new Map();
        this.handle = 0;
    }

    /**
     * Setting a running timer again starts its interval afresh.
     * @param {number} id
     * @param {number} interval milliseconds
     */
    set(id, interval) {
        this.running.set(id, { interval, due: performance.now() + interval });
        this.schedule();
    }

    /** @param {number} id */
    kill(id) {
        this.running.delete(id);
        this.schedule();
    }

    killAll() {
        this.running.clear();
        this.schedule();
    }

    ids() {
        return [...this.running.keys()];
    }

    /**
     * The timer's next tick comes within `ms` (an autosave soon after a change).
     * @param {number} id
     * @param {number} ms
     */
    hurry(id, ms) {
        const timer = this.running.get(id);
        if (!timer) return;
        timer.due = Math.min(timer.due, performance.now() + ms);
        this.schedule();
    }

    /**
     * The timer whose tick is due first, if any is due, and counts it as given.
     * @returns {number | null}
     */
    takeDue() {
        const now = performance.now();
        /** @type {[number, Timer] | null} */
        let first = null;
        for (const entry of this.running) {
            if (entry[1].due <= now && (!first || entry[1].due < first[1].due)) first = entry;
        }
        if (!first) return null;
        const [id, timer] = first;
        stats.tickLateMs[id] = Math.max(stats.tickLateMs[id] || 0, now - timer.due);
        const missed = Math.floor((now - kCatchUpMs - timer.due) / timer.interval);
        if (missed > 0) timer.due += missed * timer.interval;
        timer.due += timer.interval;
        stats.ticks[id] = (stats.ticks[id] || 0) + 1;
        return id;
    }

    /** Whether a due tick can go to the core now. */
    canDeliver() {
        return coreWait.waiting || (!calls.draining && calls.running);
    }

    // Wakes when the first tick falls due. One that is due already and cannot go to
    // the core now goes when the core asks for it (coreWait.next) or the calls are
    // done (wake).
    schedule() {
        clearTimeout(this.handle);
        let first = Infinity;
        for (const timer of this.running.values()) first = Math.min(first, timer.due);
        if (first === Infinity) return;
        const wait = first - performance.now();
        if (wait <= 0 && !this.canDeliver()) return;
        this.handle = setTimeout(() => this.wake(), Math.max(0, wait));
    }

    // A due tick goes to the core waiting in a dialog, or runs as a call when no
    // call runs.
    wake() {
        if (this.canDeliver()) {
            const id = this.takeDue();
            if (id !== null && coreWait.waiting) coreWait.wakeUp(id);
            else if (id !== null) calls.tick(id);
        }
        this.schedule();
    }
}

export const timers = new Timers();
