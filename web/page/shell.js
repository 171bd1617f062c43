// The page's half of the window: menus, work area, scroll bars, timers, the folder
// in the browser's storage and the one-copy rule. The core (lotra-core.js) answers
// every gesture; it calls back through the `lotra` object below.
'use strict';

const lotra = (() => {
    const kFolder = '/lotra';
    const kExitCommand = 57665;
    const kBarSize = 17;
    const kScroll = { lineUp: 0, lineDown: 1, pageUp: 2, pageDown: 3, thumbPosition: 4,
                      thumbTrack: 5, endScroll: 8 };
    const kMouse = { move: 0, leftDown: 1, leftUp: 2, leftDoubleClick: 3, rightDown: 4, leave: 5 };
    const MK_LBUTTON = 1, MK_SHIFT = 4, MK_CONTROL = 8;

    let core = null;
    let busy = false;             // a call into the core has not finished yet
    let paintPending = false;
    let syncRunning = false, syncAgain = false;
    const timers = new Map();     // id -> {interval, handle}
    const bars = [];              // [vertical, horizontal]
    let canvas, context, client;
    let frame = null;             // the last picture, for a change of device pixel scale
    const stats = { firstFrame: null, started: performance.now(), calls: 0 };

    // ---- calls into the core, one at a time ----

    // Runs an exported function of the core; a call that may open a dialog settles
    // when the dialog is closed. Calls run one at a time in the order they came: one
    // that comes while another runs (a drop during a tick, a resize behind a dialog)
    // waits for it.
    const pending = [];
    function call(name, types, args) {
        if (!core) return Promise.resolve(false);
        return new Promise((resolve) => {
            pending.push({ name, types, args, resolve });
            if (!busy) runPending();
        });
    }

    async function runPending() {
        while (pending.length && core) {
            const { name, types, args, resolve } = pending.shift();
            busy = true;
            const started = performance.now();
            try {
                await core.ccall(name, null, types, args, { async: true });
            } finally {
                busy = false;
            }
            const done = performance.now();
            stats.calls++;
            syncFolder();
            if (paintPending) paint();
            stats.lastCall = { name, ms: done - started, paintMs: performance.now() - done };
            resolve(true);
        }
    }

    // The folder goes to the browser's disk storage after every call that may have
    // written to it, one sync at a time. Storage that is full or refused keeps what it
    // held before; every file written since the last sync that went through is
    // reported as a failed write, once for each time it was written.
    let syncedUpTo = 0;
    let reportedUpTo = 0;
    function syncFolder() {
        if (!core) return;
        if (syncRunning) { syncAgain = true; return; }
        syncRunning = true;
        const started = Date.now();
        core.FS.syncfs(false, (error) => {
            syncRunning = false;
            if (error) {
                reportUnwritten(filesWrittenSince(Math.max(syncedUpTo, reportedUpTo)));
                reportedUpTo = started;
            } else {
                syncedUpTo = started;
            }
            if (syncAgain) { syncAgain = false; syncFolder(); }
        });
    }

    function filesWrittenSince(time) {
        const FS = core.FS;
        return FS.readdir(kFolder).filter((name) => {
            if (name === '.' || name === '..') return false;
            const stat = FS.stat(kFolder + '/' + name);
            return FS.isFile(stat.mode) && stat.mtime.getTime() >= time;
        });
    }

    // Each message waits until the core is done, a dialog of its own included (the
    // message must not take that dialog's place), and holds it off while it shows.
    // The recovery file goes unreported, as on the desktop: a message every 15
    // seconds would be worse than a recovery file that is one tick old.
    let reporting = false;
    const unreported = [];
    async function reportUnwritten(names) {
        for (const name of names) {
            if (name !== lotraTexts.kRecoveryFileName && !unreported.includes(name)) unreported.push(name);
        }
        if (reporting) return;
        reporting = true;
        while (unreported.length) {
            const name = unreported.shift();
            while (busy) await new Promise((resolve) => setTimeout(resolve, 50));
            busy = true;
            await lotraDialogs.run('message', {
                text: lotraTexts.kFileNotWritten.replace('%s', name),
                caption: lotraTexts.kErrorCaption, cancel: false });
            busy = false;
            if (paintPending) paint();
            runPending();
        }
        reporting = false;
    }

    // ---- painting ----

    function requestPaint() {
        if (paintPending) return;
        paintPending = true;
        requestAnimationFrame(() => { if (paintPending && !busy) paint(); });
    }

    function paint() {
        paintPending = false;
        if (core && !busy) core.ccall('lotra_paint', null, [], []);
    }

    // The picture comes at one pixel per CSS pixel; a finer screen gets every pixel
    // as a square of device pixels, never smoothed.
    function present(bytes, width, height) {
        frame = new ImageData(new Uint8ClampedArray(bytes), width, height);
        showFrame();
        if (stats.firstFrame === null) stats.firstFrame = performance.now();
    }

    function showFrame() {
        if (!frame) return;
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
        source.getContext('2d').putImageData(frame, 0, 0);
        context.imageSmoothingEnabled = false;
        context.drawImage(source, 0, 0, canvas.width, canvas.height);
    }

    // ---- text in the page's font ----

    const textCanvas = document.createElement('canvas');
    const textContext = textCanvas.getContext('2d', { willReadFrequently: true });
    const fontSizes = new Map();

    // A positive height is the whole character cell: the size is scaled so that
    // ascent plus descent come to it.
    function fontFor(height, weight, face) {
        const family = '"LotraMono", "Liberation Mono", monospace';
        const css = (px) => `${weight >= 600 ? 'bold' : 'normal'} ${px}px ${family}`;
        const key = `${height}/${weight}/${face}`;
        if (!fontSizes.has(key)) {
            let px = Math.abs(height) || 16;
            if (height > 0) {
                textContext.font = css(height);
                const m = textContext.measureText('0');
                const cell = Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent);
                if (cell > 0 && cell !== height) px = Math.max(1, Math.floor((height * height + cell / 2) / cell));
            }
            textContext.font = css(px);
            const m = textContext.measureText('0');
            fontSizes.set(key, { css: css(px), ascent: Math.round(m.fontBoundingBoxAscent),
                                 height: Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent) });
        }
        return fontSizes.get(key);
    }

    function measureText(text, height, weight, face) {
        const font = fontFor(height, weight, face);
        textContext.font = font.css;
        const width = Math.round(textContext.measureText(text).width);
        return (Math.min(width, 0x7fff) << 16) | Math.min(font.height, 0xffff);
    }

    // Ink where the glyphs cover at least half a pixel: the desktop draws text unsmoothed.
    function stampText(text, height, weight, face, ink, width, rows) {
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

    // ---- timers: one tick at a time, a long one delays the next ----

    function setTimer(id, interval) {
        killTimer(id);
        const timer = { interval, handle: 0 };
        const tick = async () => {
            if (timers.get(id) !== timer) return;
            if (busy) { timer.handle = setTimeout(tick, 10); return; }
            const started = performance.now();
            await call('lotra_timer', ['number'], [id]);
            if (timers.get(id) !== timer) return;
            const spent = performance.now() - started;
            timer.handle = setTimeout(tick, Math.max(0, interval - spent));
        };
        timer.handle = setTimeout(tick, interval);
        timers.set(id, timer);
    }

    function killTimer(id) {
        const timer = timers.get(id);
        if (timer) clearTimeout(timer.handle);
        timers.delete(id);
    }

    // ---- scroll bars and the corner button ----

    class ScrollBar {
        constructor(element, id) {
            this.element = element;
            this.id = id;
            this.vertical = id === 0;
            this.min = 0; this.max = 100; this.pos = 0; this.page = 1;
            this.track = element.querySelector('.track');
            this.thumb = element.querySelector('.thumb');
            const [first, last] = element.querySelectorAll('.arrow');
            this.repeatOnHold(first, () => kScroll.lineUp);
            this.repeatOnHold(last, () => kScroll.lineDown);
            this.repeatOnHold(this.track, (event) => {
                const r = this.thumb.getBoundingClientRect();
                const at = this.vertical ? event.clientY : event.clientX;
                const thumbStart = this.vertical ? r.top : r.left;
                return at < thumbStart ? kScroll.pageUp : kScroll.pageDown;
            }, true);
            this.thumb.addEventListener('pointerdown', (event) => this.drag(event));
        }
        send(code, position) {
            return call('lotra_scroll', ['number', 'number', 'number'],
                        [this.id, code, position === undefined ? this.pos : position]);
        }
        // Pressing sends the first step at once and repeats while held; the release
        // ends the gesture with an end-scroll message.
        repeatOnHold(target, codeFor, onTrackOnly) {
            target.addEventListener('pointerdown', (event) => {
                if (event.button !== 0) return;
                if (onTrackOnly && event.target !== target) return;
                event.preventDefault();
                target.setPointerCapture(event.pointerId);
                let last = event;
                const step = () => this.send(codeFor(last));
                step();
                let repeat = null;
                const delay = setTimeout(() => { repeat = setInterval(step, 50); }, 400);
                const move = (e) => { last = e; };
                const up = () => {
                    clearTimeout(delay);
                    if (repeat) clearInterval(repeat);
                    target.removeEventListener('pointermove', move);
                    target.removeEventListener('pointerup', up);
                    target.removeEventListener('pointercancel', up);
                    this.send(kScroll.endScroll);
                };
                target.addEventListener('pointermove', move);
                target.addEventListener('pointerup', up);
                target.addEventListener('pointercancel', up);
            });
        }
        drag(event) {
            if (event.button !== 0) return;
            event.preventDefault();
            event.stopPropagation();
            this.thumb.setPointerCapture(event.pointerId);
            const start = this.vertical ? event.clientY : event.clientX;
            const startPos = this.pos;
            let position = this.pos;
            const move = (e) => {
                const travel = this.trackLength() - this.thumbLength();
                if (travel <= 0) return;
                const delta = (this.vertical ? e.clientY : e.clientX) - start;
                position = Math.round(startPos + delta * (this.max - this.min) / travel);
                position = Math.max(this.min, Math.min(this.max, position));
                this.placeThumb(position);
                this.send(kScroll.thumbTrack, position);
            };
            const up = () => {
                this.thumb.removeEventListener('pointermove', move);
                this.thumb.removeEventListener('pointerup', up);
                this.send(kScroll.thumbPosition, position).then(() => this.send(kScroll.endScroll));
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
        update() { this.placeThumb(this.pos); }
    }

    function setScrollRange(id, min, max) {
        bars[id].min = min; bars[id].max = max; bars[id].update();
    }

    function setScrollPos(id, pos) {
        bars[id].pos = pos; bars[id].update();
    }

    function moveControl(id, left, top, width, height) {
        const element = [bars[0] && bars[0].element, bars[1] && bars[1].element,
                         document.getElementById('corner')][id];
        Object.assign(element.style, { left: left + 'px', top: top + 'px',
                                       width: width + 'px', height: height + 'px' });
        if (id < 2) {
            bars[id].page = Math.max(width, height);
            bars[id].update();
        }
    }

    // ---- the menu bar ----

    const menuBar = {
        menus: [], open: -1, active: -1, keyboard: false,
        build(menus) {
            const bar = document.getElementById('menubar');
            bar.dataset.commands = JSON.stringify(menus.map((m) => m.items.map((i) => i.command)));
            menus.forEach((menu, index) => {
                const title = document.createElement('div');
                title.className = 'menutitle';
                title.setAttribute('role', 'menuitem');
                title.append(...withMnemonic(menu.title));
                title.addEventListener('mousedown', (event) => {
                    event.preventDefault();
                    if (event.target.closest('.dropdown')) return;
                    if (this.open === index) this.close(); else this.show(index, false);
                });
                title.addEventListener('mouseenter', () => {
                    if (this.open >= 0 && this.open !== index) this.show(index, false);
                });
                bar.append(title);
                this.menus.push({ title, menu, mnemonic: mnemonicOf(menu.title) });
            });
            document.addEventListener('mousedown', (event) => {
                if (this.open >= 0 && !bar.contains(event.target)) this.close();
            });
        },
        // The items are enabled afresh each time a menu opens.
        show(index, byKeyboard) {
            this.close();
            this.open = index;
            this.active = byKeyboard ? 0 : -1;
            const { title, menu } = this.menus[index];
            title.classList.add('open');
            const dropDown = document.createElement('div');
            dropDown.className = 'dropdown';
            dropDown.setAttribute('role', 'menu');
            this.items = menu.items.map((item, itemIndex) => {
                const row = document.createElement('div');
                row.className = 'menuitem';
                row.setAttribute('role', 'menuitem');
                row.dataset.command = item.command;
                row.append(...withMnemonic(item.text));
                const enabled = core.ccall('lotra_enabled', 'number', ['number'], [item.command]) !== 0;
                if (!enabled) row.classList.add('disabled');
                row.addEventListener('mouseenter', () => this.highlight(itemIndex));
                row.addEventListener('mouseup', () => this.choose(itemIndex));
                dropDown.append(row);
                return { row, item, enabled, mnemonic: mnemonicOf(item.text) };
            });
            title.append(dropDown);
            this.highlight(this.active);
        },
        toggleFirst() {
            if (this.open >= 0) this.close(); else this.show(0, true);
        },
        close() {
            if (this.open < 0) return;
            const { title } = this.menus[this.open];
            title.classList.remove('open');
            const dropDown = title.querySelector('.dropdown');
            if (dropDown) dropDown.remove();
            this.open = -1;
            this.items = [];
        },
        highlight(index) {
            this.active = index;
            this.items.forEach((entry, i) => entry.row.classList.toggle('active', i === index));
        },
        // A disabled item does nothing and leaves the menu open.
        choose(index) {
            const entry = this.items[index];
            if (!entry || !entry.enabled) return;
            this.close();
            runCommand(entry.item.command);
        },
        // Alt with a title's letter opens that menu; in an open menu the arrows move,
        // Enter chooses, Escape closes and an item's letter chooses it.
        key(event) {
            if (this.open < 0) {
                if (!event.altKey || event.ctrlKey) return false;
                const index = this.menus.findIndex((m) => m.mnemonic && m.mnemonic === letterOf(event));
                if (index < 0) return false;
                this.show(index, true);
                return true;
            }
            const count = this.items.length;
            switch (event.key) {
                case 'Escape': this.close(); return true;
                case 'ArrowDown': this.highlight((this.active + 1) % count); return true;
                case 'ArrowUp': this.highlight((this.active - 1 + count) % count); return true;
                case 'ArrowRight': this.show((this.open + 1) % this.menus.length, true); return true;
                case 'ArrowLeft':
                    this.show((this.open - 1 + this.menus.length) % this.menus.length, true);
                    return true;
                case 'Enter': this.choose(this.active); return true;
                default: {
                    const index = this.items.findIndex((e) => e.mnemonic && e.mnemonic === letterOf(event));
                    if (index >= 0) this.choose(index);
                    return true;
                }
            }
        },
    };

    // "&" marks the letter that is underlined and chosen with the keyboard.
    function withMnemonic(text) {
        const at = text.indexOf('&');
        if (at < 0) return [text];
        const underlined = document.createElement('u');
        underlined.textContent = text.charAt(at + 1);
        return [text.slice(0, at), underlined, text.slice(at + 2)];
    }

    function mnemonicOf(text) {
        const at = text.indexOf('&');
        return at < 0 ? '' : text.charAt(at + 1).toLowerCase();
    }

    // The letter of the key whatever the keyboard layout: Cyrillic letters come as
    // themselves, or through the code of the key they share with a Latin letter.
    const kRussianByCode = {
        KeyF: 'а', KeyComma: 'б', KeyD: 'в', KeyU: 'г', KeyL: 'д', KeyT: 'е', Semicolon: 'ж',
        KeyP: 'з', KeyB: 'и', KeyQ: 'й', KeyR: 'к', KeyK: 'л', KeyV: 'м', KeyY: 'н', KeyJ: 'о',
        KeyG: 'п', KeyH: 'р', KeyC: 'с', KeyN: 'т', KeyE: 'у', KeyA: 'ф', BracketLeft: 'х',
        KeyW: 'ц', KeyX: 'ч', KeyI: 'ш', KeyO: 'щ', BracketRight: 'ъ', KeyS: 'ы', KeyM: 'ь',
        Quote: 'э', Period: 'ю', KeyZ: 'я',
    };
    function letterOf(event) {
        const key = event.key.length === 1 ? event.key.toLowerCase() : '';
        if (/[а-яё]/.test(key)) return key;
        return kRussianByCode[event.code] || key;
    }

    function runCommand(command) {
        if (command === kExitCommand) {
            exitProgram();
            return;
        }
        call('lotra_command', ['number'], [command]);
    }

    // ---- the work area's mouse ----

    function keyFlags(event, leftDown) {
        let flags = 0;
        if (leftDown) flags |= MK_LBUTTON;
        if (event.shiftKey) flags |= MK_SHIFT;
        if (event.ctrlKey) flags |= MK_CONTROL;
        return flags;
    }

    function sendMouse(message, event, leftDown) {
        const r = canvas.getBoundingClientRect();
        const x = Math.floor(event.clientX - r.left), y = Math.floor(event.clientY - r.top);
        return call('lotra_mouse', ['number', 'number', 'number', 'number'],
                    [message, keyFlags(event, leftDown), x, y]);
    }

    function connectMouse() {
        canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        // A press must not take the focus from a dialog it opened.
        canvas.addEventListener('mousedown', (event) => event.preventDefault());
        // The second press of a left double click arrives as the double click alone; a
        // right double click is two right presses.
        canvas.addEventListener('pointerdown', (event) => {
            menuBar.close();
            if (event.button === 0) {
                canvas.setPointerCapture(event.pointerId);
                sendMouse(event.detail === 2 ? kMouse.leftDoubleClick : kMouse.leftDown, event, true);
            } else if (event.button === 2) {
                sendMouse(kMouse.rightDown, event, (event.buttons & 1) !== 0);
            }
        });
        canvas.addEventListener('pointerup', (event) => {
            if (event.button === 0) sendMouse(kMouse.leftUp, event, false);
        });
        canvas.addEventListener('pointermove', (event) => {
            sendMouse(kMouse.move, event, (event.buttons & 1) !== 0);
        });
        canvas.addEventListener('pointerleave', (event) => {
            if (!canvas.hasPointerCapture(event.pointerId)) sendMouse(kMouse.leave, event, false);
        });
    }

    // ---- files from and to the computer ----

    function pickFile(stagedPath) {
        return new Promise((resolve) => {
            const input = document.createElement('input');
            input.type = 'file';
            input.accept = '.vrt';
            input.addEventListener('change', async () => {
                const file = input.files[0];
                if (!file) { resolve(null); return; }
                core.FS.writeFile(stagedPath, new Uint8Array(await file.arrayBuffer()));
                resolve(file.name);
            });
            input.addEventListener('cancel', () => resolve(null));
            input.click();
        });
    }

    function download(bytes, name) {
        const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
        const link = document.createElement('a');
        link.href = url;
        link.download = name;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 10000);
    }

    function connectDrop() {
        document.addEventListener('dragover', (event) => event.preventDefault());
        document.addEventListener('drop', async (event) => {
            event.preventDefault();
            const file = event.dataTransfer.files[0];
            if (!file || !core) return;
            const staged = '/tmp/dropped.vrt';
            core.FS.writeFile(staged, new Uint8Array(await file.arrayBuffer()));
            call('lotra_drop', ['string', 'string'], [staged, file.name]);
        });
    }

    // ---- start, resize and end ----

    function clientSize() {
        return [client.clientWidth, client.clientHeight];
    }

    function mountFolder() {
        const FS = core.FS;
        FS.mkdir(kFolder);
        FS.mount(core.IDBFS, {}, kFolder);
        return new Promise((resolve, reject) => {
            FS.syncfs(true, (error) => {
                if (error) { reject(error); return; }
                FS.chdir(kFolder);
                resolve();
            });
        });
    }

    // The core's wasm, kept in the page as base64 text.
    function coreWasm() {
        const text = document.getElementById('core-wasm').textContent.trim();
        if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
        return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    }

    let releaseLock = () => {};

    async function start() {
        canvas = document.getElementById('workarea');
        context = canvas.getContext('2d');
        client = document.getElementById('client');
        bars.push(new ScrollBar(document.getElementById('vbar'), 0),
                  new ScrollBar(document.getElementById('hbar'), 1));
        document.getElementById('corner').addEventListener('mousedown', (e) => e.preventDefault());
        const fontReady = document.fonts.load('bold 20px "LotraMono"');
        core = await createLotraCore({ wasmBinary: coreWasm() });
        stats.coreReady = performance.now();
        await Promise.all([mountFolder(), fontReady]);
        stats.folderReady = performance.now();
        menuBar.build(JSON.parse(core.UTF8ToString(core.ccall('lotra_menu', 'number', [], []))));
        const [width, height] = clientSize();
        busy = true;
        core.ccall('lotra_start', null, ['number', 'number'], [width, height]);
        busy = false;
        syncFolder();
        paint();
        connectMouse();
        connectDrop();
        window.addEventListener('resize', () => {
            const [w, h] = clientSize();
            call('lotra_resize', ['number', 'number'], [w, h]);
        });
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
            .addEventListener('change', showFrame);
        // Alt pressed and let go alone, or F10, opens the first menu (and closes an
        // open one), as the keyboard reaches a window's menu bar.
        let altAlone = false;
        document.addEventListener('keydown', (event) => {
            altAlone = event.key === 'Alt' && !event.repeat;
            if (!document.getElementById('modal').hidden) return;
            if (event.key === 'F10' && !event.shiftKey) {
                event.preventDefault();
                menuBar.toggleFirst();
            } else if (menuBar.key(event)) {
                event.preventDefault();
            }
        });
        document.addEventListener('keyup', (event) => {
            if (event.key !== 'Alt' || !altAlone) return;
            altAlone = false;
            if (document.getElementById('modal').hidden) {
                event.preventDefault();
                menuBar.toggleFirst();
            }
        });
    }

    async function exitProgram() {
        if (busy) return;
        busy = true;
        for (const id of [...timers.keys()]) killTimer(id);
        core.ccall('lotra_exit', null, [], []);
        await new Promise((resolve) => core.FS.syncfs(false, resolve));
        core = null;
        releaseLock();
        document.getElementById('window').hidden = true;
        notice('Программа «Лотра - 2» завершила работу.', true);
    }

    function notice(text, offerRestart) {
        document.getElementById('notice-text').textContent = text;
        const button = document.getElementById('notice-button');
        button.hidden = !offerRestart;
        button.onclick = () => location.reload();
        document.getElementById('notice').hidden = false;
    }

    // One copy of the page runs at a time: the first holds a lock for as long as it
    // runs, so that two never write the same storage.
    async function startOnce() {
        const refuse = () => {
            document.getElementById('window').hidden = true;
            notice('Программа «Лотра - 2» уже открыта в другой вкладке.', false);
        };
        if (!navigator.locks) {
            await start();
            return;
        }
        await navigator.locks.request('lotra-2', { ifAvailable: true }, async (lock) => {
            if (!lock) { refuse(); return; }
            await start();
            await new Promise((resolve) => { releaseLock = resolve; });
        });
    }

    function openManual() {
        const bytes = Uint8Array.from(atob(lotraManual), (c) => c.charCodeAt(0));
        const url = URL.createObjectURL(new Blob([bytes], { type: 'text/html' }));
        window.open(url, '_blank');
    }

    return {
        // Where the last picture has text, for the tests that set it beside the desktop's.
        noteTextBoxes: (edges) => {
            stats.textBoxes = [];
            for (let i = 0; i + 3 < edges.length; i += 4) {
                stats.textBoxes.push({ left: edges[i], top: edges[i + 1], right: edges[i + 2],
                                       bottom: edges[i + 3] });
            }
        },
        requestPaint, present, setTimer, killTimer, setScrollRange, setScrollPos, moveControl,
        measureText, stampText, pickFile, download, openManual, stats,
        setDialogPicture: (bytes, width, height) => lotraDialogs.setPicture(bytes, width, height),
        runDialog: (kind, request) => lotraDialogs.run(kind, request),
        startOnce,
        // The program's icon: the page's and the about box's.
        setIcon: (bytes, width, height) => {
            const image = new ImageData(new Uint8ClampedArray(bytes), width, height);
            lotraDialogs.icon = image;
            const canvas = document.createElement('canvas');
            canvas.width = width;
            canvas.height = height;
            canvas.getContext('2d').putImageData(image, 0, 0);
            const link = document.createElement('link');
            link.rel = 'icon';
            link.href = canvas.toDataURL();
            document.head.append(link);
        },
        isBusy: () => busy || pending.length > 0,
        timerIds: () => [...timers.keys()],
    };
})();

window.addEventListener('DOMContentLoaded', () => lotra.startOnce());
