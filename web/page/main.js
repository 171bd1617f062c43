// @ts-check
// The page's half of the window: it starts the core in the work area and answers
// what the core asks of it through the global `lotra` object (the core's EM_JS calls
// reach it by that name); the one-copy rule and the end of the program.
import { connectClipboard, pasteFromPage, putOnClipboard } from './clipboard.js';
import { command, texts, timer } from './constants.js';
import { automatonPanel } from './automaton-panel.js';
import { calls, stats } from './core.js';
import { dialogPictures, runDialog } from './dialogs.js';
import { byId, context2d } from './dom.js';
import { connectDrop, deflate, download, embeddedBytes, openManual } from './files.js';
import { functionsPanel } from './functions-panel.js';
import { MenuBar } from './menus.js';
import { picture } from './picture.js';
import { connectPointer, doubleClicks } from './pointer.js';
import { workScale } from './scale.js';
import { scrollControls } from './scrollbars.js';
import { folder } from './storage.js';
import { measureText, stampText } from './text.js';
import { coreWait, timers } from './timers.js';
import { timingPanel } from './timing.js';
import { connectTouchBar, fingers } from './touch.js';
import { connectWheel, rememberZoom, restoreZoom } from './wheel.js';

/** After a change the recovery file is written this soon, not only every 15 seconds. */
const kAutosaveAfterChangeMs = 2000;

const menuBar = new MenuBar(runCommand);
let releaseLock = () => {};
let exiting = false;

/** @param {number} id */
function runCommand(id) {
    if (id === command.AppExit) {
        exitProgram();
        return;
    }
    if (id === command.EditPaste) {
        pasteFromPage();
        return;
    }
    calls.call('lotra_command', ['number'], [id], { changes: true })
        .then(() => menuBar.rememberChoice(id));
}

/** The work area's size in its own pixels. */
function clientSize() {
    const r = byId('client').getBoundingClientRect();
    return [Math.floor(r.width / workScale.css + 0.01), Math.floor(r.height / workScale.css + 0.01)];
}

// The size follows the window, the menu bar's rows, the bars shown under it, and
// the screen's scaling.
function followClientSize() {
    let [width, height] = clientSize();
    const resize = () => {
        const [w, h] = clientSize();
        if (w === width && h === height) {
            picture.show();
            return;
        }
        [width, height] = [w, h];
        calls.call('lotra_resize', ['number', 'number'], [w, h]);
    };
    new ResizeObserver(resize).observe(byId('client'));
    const watchScale = () => {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
            resize();
            watchScale();
        }, { once: true });
    };
    watchScale();
}

async function start() {
    scrollControls.connect();
    connectTouchBar();
    const fontReady = document.fonts.load('bold 20px "LotraMono"');
    calls.module = await createLotraCore({ wasmBinary: embeddedBytes('core-wasm') });
    calls.afterEach = () => {
        folder.sync();
        picture.paintIfPending();
    };
    calls.afterChange = () => timers.hurry(timer.Autosave, kAutosaveAfterChangeMs);
    calls.onIdle = () => timers.wake();
    calls.onRelease = () => picture.paintIfPending();
    stats.coreReady = performance.now();
    await Promise.all([folder.mount(), fontReady]);
    stats.folderReady = performance.now();
    const core = calls.core;
    menuBar.build(JSON.parse(core.UTF8ToString(calls.callNow('lotra_menu', 'number', [], []))));
    const [width, height] = clientSize();
    await calls.call('lotra_start', ['number', 'number'], [width, height]);
    await menuBar.restoreRememberedChoices();
    await restoreZoom();
    picture.paint();
    connectPointer(() => menuBar.close(), (event) => fingers.take(event));
    connectWheel();
    connectDrop();
    connectClipboard();
    followClientSize();
    document.addEventListener('visibilitychange', () => picture.paintIfPending());
    window.addEventListener('beforeunload', (event) => {
        if (workWouldBeLost()) event.preventDefault();
    });
    menuBar.connectKeys();
}

// Closing the tab is a crash: what the recovery file does not hold yet is lost.
function workWouldBeLost() {
    if (!calls.running) return false;
    if (calls.inCall || folder.syncRunning) return true;
    return calls.callNow('lotra_recovery_behind', 'number', [], []) !== 0;
}

// After the calls before it, the window goes as on the desktop.
async function exitProgram() {
    if (exiting) return;
    exiting = true;
    // With unsaved changes the core asks first, and the user may stay.
    await calls.call('lotra_exit', [], []);
    if (calls.module && calls.callNow('lotra_window_open', 'number', [], []) !== 0) {
        exiting = false;
        return;
    }
    timers.killAll();
    await folder.syncOnce();
    calls.module = null;
    releaseLock();
    byId('window').hidden = true;
    notice(texts.ProgramEnded, '', texts.Restart);
}

/**
 * @param {string} text
 * @param {string} more a second line, or none
 * @param {string} button the button's label, or none
 */
function notice(text, more, button) {
    byId('notice-text').textContent = text;
    const second = byId('notice-more');
    second.textContent = more;
    second.hidden = !more;
    const restart = byId('notice-button');
    restart.textContent = button;
    restart.hidden = !button;
    restart.onclick = () => location.reload();
    byId('notice').hidden = !text;
}

// One copy of the page runs at a time: the first holds a lock for as long as it
// runs, so that two never write the same storage. Another waits for the lock and
// starts when the first tab closes; its button starts it by hand once that is so.
async function startOnce() {
    if (!navigator.locks) {
        await start();
        return;
    }
    const run = async () => {
        notice('', '', '');
        byId('window').hidden = false;
        await start();
        await new Promise((resolve) => { releaseLock = () => resolve(undefined); });
    };
    await navigator.locks.request('lotra-2', { ifAvailable: true }, async (lock) => {
        if (lock) {
            await run();
            return;
        }
        byId('window').hidden = true;
        notice(texts.OpenInAnotherTab, texts.StartsWhenOtherTabCloses, texts.StartHere);
        navigator.locks.request('lotra-2', run);
    });
}

/**
 * The program's icon: the page's and the about box's.
 * @param {Uint8Array} bytes RGBA
 * @param {number} width
 * @param {number} height
 */
function setIcon(bytes, width, height) {
    const image = new ImageData(new Uint8ClampedArray(bytes), width, height);
    dialogPictures.icon = image;
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    context2d(canvas).putImageData(image, 0, 0);
    const link = document.createElement('link');
    link.rel = 'icon';
    link.href = canvas.toDataURL();
    document.head.append(link);
}

/**
 * Where the last picture has text, for the tests that set it beside the desktop's.
 * @param {number[]} edges left, top, right, bottom of each box
 */
function noteTextBoxes(edges) {
    stats.textBoxes = [];
    for (let i = 0; i + 3 < edges.length; i += 4) {
        stats.textBoxes.push({ left: edges[i], top: edges[i + 1], right: edges[i + 2],
                               bottom: edges[i + 3] });
    }
}

/** @type {Window & { lotra?: object }} */ (window).lotra = {
    requestPaint: () => picture.requestPaint(),
    /** @param {string} text */
    showStatus: (text) => { byId('statusline').textContent = text; },
    /** @type {typeof picture.present} */
    present: (bytes, width, height) => picture.present(bytes, width, height),
    noteTextBoxes,
    /** @type {typeof timers.set} */
    setTimer: (id, interval) => timers.set(id, interval),
    /** @type {typeof timers.kill} */
    killTimer: (id) => timers.kill(id),
    /** @type {typeof scrollControls.setRange} */
    setScrollRange: (id, min, max) => scrollControls.setRange(id, min, max),
    /** @type {typeof scrollControls.setPos} */
    setScrollPos: (id, pos) => scrollControls.setPos(id, pos),
    /** @type {typeof scrollControls.setPage} */
    setScrollPage: (id, page) => scrollControls.setPage(id, page),
    /** @type {typeof scrollControls.moveControl} */
    moveControl: (id, left, top, width, height) =>
        scrollControls.moveControl(id, left, top, width, height),
    measureText,
    stampText,
    download,
    deflate,
    openManual,
    /**
     * @param {Uint8Array} bytes
     * @param {number} width
     * @param {number} height
     */
    setDialogPicture: (bytes, width, height) => { dialogPictures.element = { bytes, width, height }; },
    /**
     * @param {string} kind
     * @param {object} request
     */
    openDialog: (kind, request) => {
        doubleClicks.reset();
        coreWait.begin(runDialog(kind, request));
    },
    nextWake: () => coreWait.next(),
    takeAnswer: () => coreWait.take(),
    setIcon,
    rememberZoom,
    putOnClipboard,
    stats,
    /** @param {boolean} unwritten the recovery file is behind the circuit */
    showRecoveryUnwritten: (unwritten) => {
        const bar = byId('recovery-notice');
        bar.textContent = texts.RecoveryUnwritten;
        bar.hidden = !unwritten;
    },
    functionsPanel,
    automatonPanel,
    isBusy: () => calls.isBusy(),
    toggleTimingPanel: () => timingPanel.toggle(),
    /** @type {typeof timingPanel.present} */
    presentTiming: (bytes, width, height, scroll, lastScroll) =>
        timingPanel.present(bytes, width, height, scroll, lastScroll),
    timerIds: () => timers.ids(),
};

window.addEventListener('DOMContentLoaded', () => startOnce());
