// The dialogs and message boxes of the page, modal over the window: the same texts
// (lotraTexts, taken from the desktop's dialogs), controls and sizes, placed in
// dialog units of the template's font. Each run() resolves to the dialog's answer as
// text, or null when it was cancelled.
'use strict';

const lotraDialogs = (() => {
    const T = lotraTexts;
    // Average character cell of the template fonts: a horizontal unit is a quarter of
    // its width, a vertical unit an eighth of its height.
    const kFont8 = { cellWidth: 6, cellHeight: 13, pixelSize: 11 };
    const kFont10 = { cellWidth: 7, cellHeight: 16, pixelSize: 13 };
    const kCaptionHeight = 22;
    const kValidationCaption = 'lotra';
    let picture = null;

    const scale = (units, cell, parts) => Math.round(units * cell / parts);
    function place(font, [x, y, w, h]) {
        const left = scale(x, font.cellWidth, 4), top = scale(y, font.cellHeight, 8);
        return { left, top, width: scale(x + w, font.cellWidth, 4) - left,
                 height: scale(y + h, font.cellHeight, 8) - top };
    }
    function position(element, rect) {
        for (const key of ['left', 'top', 'width', 'height']) element.style[key] = rect[key] + 'px';
        return element;
    }

    // Our faces run wider than the ones the boxes were measured for: a text that does
    // not fit gets a little smaller first, and if that is not enough its box grows
    // downwards rather than cut off a line.
    function fitTextToBox(element) {
        const fits = () => element.scrollHeight <= element.clientHeight;
        const size = parseFloat(getComputedStyle(element).fontSize);
        for (let step = 1; !fits() && step <= 4; step++) {
            element.style.fontSize = (size * (1 - 0.05 * step)) + 'px';
        }
        if (!fits()) element.style.height = element.scrollHeight + 'px';
    }

    // A dialog frame of the given size in units; `at` places it (default: centred).
    class Dialog {
        constructor(title, widthUnits, heightUnits, font = kFont8) {
            this.font = font;
            this.modal = document.getElementById('modal');
            this.element = document.createElement('div');
            this.element.className = 'dialog';
            this.element.setAttribute('role', 'dialog');
            this.element.setAttribute('aria-label', title);
            const caption = document.createElement('div');
            caption.className = 'caption';
            caption.textContent = title;
            this.body = document.createElement('div');
            this.body.className = 'body';
            this.body.style.fontSize = font.pixelSize + 'px';
            const size = place(font, [0, 0, widthUnits, heightUnits]);
            this.body.style.width = size.width + 'px';
            this.body.style.height = size.height + 'px';
            this.element.append(caption, this.body);
            this.defaultButton = null;
            this.cancelAnswer = null;
            this.promise = new Promise((resolve) => { this.resolve = resolve; });
        }
        add(element, units) {
            this.body.append(units ? position(element, place(this.font, units)) : element);
            return element;
        }
        button(text, units, onClick) {
            const button = document.createElement('button');
            button.textContent = text;
            button.addEventListener('click', onClick);
            return this.add(button, units);
        }
        staticText(text, units, align = 'left') {
            const div = document.createElement('div');
            div.className = 'static';
            div.style.textAlign = align;
            div.textContent = text;
            return this.add(div, units);
        }
        edit(units, { readOnly = false, centred = false, maxLength = 0 } = {}) {
            const input = document.createElement('input');
            input.type = 'text';
            if (centred) input.classList.add('centred');
            if (maxLength) input.maxLength = maxLength;
            if (readOnly) {
                input.readOnly = true;
                input.tabIndex = -1;
                Object.assign(input.style, { border: 'none', background: 'transparent',
                                             padding: '0', verticalAlign: 'top' });
            }
            return this.add(input, units);
        }
        okCancel(okUnits, cancelUnits, accept) {
            this.defaultButton = this.button(T.Ok, okUnits, accept);
            this.button(T.Cancel, cancelUnits, () => this.close(null));
        }
        // Shows the dialog over the window; Enter presses the focused button or the
        // default one, Escape cancels.
        show(focus, anchor) {
            this.modal.replaceChildren(this.element);
            this.modal.hidden = false;
            const width = this.element.offsetWidth, height = this.element.offsetHeight;
            let left = (innerWidth - width) / 2, top = (innerHeight - height) / 2;
            if (anchor) {
                left = Math.min(Math.max(0, anchor.x), Math.max(0, innerWidth - width));
                top = Math.min(Math.max(0, anchor.y), Math.max(0, innerHeight - height));
            }
            this.element.style.left = Math.round(left) + 'px';
            this.element.style.top = Math.round(top) + 'px';
            this.element.addEventListener('keydown', (event) => this.key(event));
            for (const text of this.body.querySelectorAll('.static')) fitTextToBox(text);
            (focus || this.defaultButton || this.element).focus();
            if (focus && focus.select) focus.select();
            return this.promise;
        }
        key(event) {
            event.stopPropagation();
            if (event.key === 'Escape') {
                event.preventDefault();
                this.close(this.cancelAnswer);
            } else if (event.key === 'Enter') {
                event.preventDefault();
                const focused = document.activeElement;
                if (focused && focused.tagName === 'BUTTON' && this.body.contains(focused)) {
                    focused.click();
                } else if (this.defaultButton) {
                    this.defaultButton.click();
                }
            } else if (event.key === 'Tab') {
                // Focus stays inside the dialog.
                const stops = [...this.body.querySelectorAll('button, input:not([tabindex="-1"])')]
                    .filter((e) => !e.disabled && e.offsetParent);
                if (!stops.length) return;
                const at = stops.indexOf(document.activeElement);
                const next = (at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length;
                event.preventDefault();
                stops[next].focus();
            }
        }
        close(answer) {
            if (this.nested) return;
            this.modal.hidden = true;
            this.modal.replaceChildren();
            this.resolve(answer);
        }
        // A validation message over this dialog; the field gets the focus back, selected.
        async refuse(field, message) {
            this.nested = true;
            const saved = [...this.modal.childNodes];
            await messageBox({ text: message, caption: kValidationCaption, cancel: false,
                               warning: true, keepOpen: true });
            this.modal.replaceChildren(...saved);
            this.modal.hidden = false;
            this.nested = false;
            field.focus();
            field.select();
        }
    }

    // ---- the message boxes: OK alone, or OK and Cancel with the exclamation mark ----

    function messageBox({ text, caption, cancel, warning, keepOpen }) {
        const box = document.createElement('div');
        box.className = 'dialog messagebox';
        box.setAttribute('role', 'alertdialog');
        const title = document.createElement('div');
        title.className = 'caption';
        title.textContent = caption || 'lotra';
        const body = document.createElement('div');
        Object.assign(body.style, { padding: '16px 16px 8px', display: 'flex', gap: '12px',
                                    alignItems: 'center', maxWidth: '480px' });
        if (cancel || warning) {
            const mark = document.createElement('div');
            mark.textContent = '!';
            Object.assign(mark.style, { width: '28px', height: '28px', borderRadius: '50%',
                                        background: '#f0c000', textAlign: 'center', font: 'bold 20px/28px sans-serif',
                                        flex: 'none' });
            body.append(mark);
        }
        const message = document.createElement('div');
        message.className = 'message';
        message.style.whiteSpace = 'pre-wrap';
        message.textContent = text;
        body.append(message);
        const buttons = document.createElement('div');
        Object.assign(buttons.style, { display: 'flex', justifyContent: 'center', gap: '8px',
                                       padding: '8px 16px 12px' });
        const make = (label, answer) => {
            const b = document.createElement('button');
            b.textContent = label;
            Object.assign(b.style, { minWidth: '75px', height: '23px' });
            b.addEventListener('click', () => finish(answer));
            buttons.append(b);
            return b;
        };
        const modal = document.getElementById('modal');
        let finish;
        const promise = new Promise((resolve) => {
            finish = (answer) => {
                if (!keepOpen) { modal.hidden = true; modal.replaceChildren(); }
                resolve(answer);
            };
        });
        const ok = make(T.Ok, '');
        if (cancel) make(T.Cancel, null);
        box.append(title, body, buttons);
        box.addEventListener('keydown', (event) => {
            event.stopPropagation();
            if (event.key === 'Escape') { event.preventDefault(); finish(cancel ? null : ''); }
            if (event.key === 'Enter') {
                event.preventDefault();
                (document.activeElement && box.contains(document.activeElement)
                    ? document.activeElement : ok).click();
            }
        });
        modal.replaceChildren(box);
        modal.hidden = false;
        box.style.left = Math.round((innerWidth - box.offsetWidth) / 2) + 'px';
        box.style.top = Math.round((innerHeight - box.offsetHeight) / 2) + 'px';
        ok.focus();
        return promise;
    }

    // ---- field reading as the desktop reads them ----

    function parseUnsigned(text) {
        const trimmed = text.trim();
        if (!/^[0-9]+$/.test(trimmed)) return null;
        const value = Number(trimmed);
        return value <= 0xffffffff ? value : null;
    }

    // Digits, a point (or a comma) and an exponent; the value as single precision.
    function parseFloatField(text) {
        const trimmed = text.trim().replace(/,/g, '.');
        if (!trimmed || !/^[0-9.+\-eE]+$/.test(trimmed)) return null;
        if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(trimmed)) return null;
        const single = Math.fround(Number(trimmed));
        return Number.isFinite(single) ? { single, text: trimmed } : null;
    }

    // Six significant digits, as the desktop writes a number into a field.
    function formatFloat(value) {
        return String(parseFloat(Number(value).toPrecision(6)));
    }

    // ---- the nine dialogs ----

    function logicElement(request) {
        const d = new Dialog(T.LogicElementTitle, 186, 89);
        let conjunction = request.conjunction;
        const radio = (label, rect, textFirst) => {
            const wrapper = document.createElement('label');
            const input = document.createElement('input');
            input.type = 'radio';
            if (textFirst) wrapper.append(label, input); else wrapper.append(input, label);
            return { wrapper: d.add(position(wrapper, rect)), input };
        };
        const conj = radio(T.Conjunctor, { left: 11, top: 75, width: 100, height: 15 }, true);
        const disj = radio(T.Disjunctor, { left: 163, top: 75, width: 110, height: 15 }, false);
        const choose = (value) => {
            conjunction = value;
            conj.input.checked = value;
            disj.input.checked = !value;
        };
        conj.input.addEventListener('click', () => choose(true));
        disj.input.addEventListener('click', () => choose(false));
        d.staticText(T.InputCount, [7, 7, 68, 13], 'center');
        const count = d.edit([78, 7, 29, 13], { centred: true });
        d.staticText(T.InputRange, [121, 7, 30, 13], 'center');
        const step = (delta) => {
            const typed = parseUnsigned(count.value);
            const next = typed === null ? 1 : Math.min(9, Math.max(1, typed + delta));
            count.value = String(next);
            count.select();
        };
        const upDown = document.createElement('div');
        Object.assign(upDown.style, { display: 'flex', flexDirection: 'column' });
        for (const [label, delta] of [['▲', 1], ['▼', -1]]) {
            const b = document.createElement('button');
            b.tabIndex = -1;
            b.textContent = label;
            Object.assign(b.style, { flex: '1', fontSize: '6px', lineHeight: '6px' });
            b.addEventListener('mousedown', (e) => { e.preventDefault(); step(delta); count.focus(); });
            upDown.append(b);
        }
        d.add(upDown, [107, 7, 9, 13]);
        count.addEventListener('keydown', (event) => {
            if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
                event.preventDefault();
                step(event.key === 'ArrowUp' ? 1 : -1);
            }
        });
        const invertedLabel = document.createElement('label');
        const inverted = document.createElement('input');
        inverted.type = 'checkbox';
        invertedLabel.append(inverted, T.InvertedOutput);
        d.add(invertedLabel, [40, 30, 105, 10]);
        d.okCancel([7, 68, 50, 14], [129, 68, 50, 14], async () => {
            const value = parseUnsigned(count.value);
            if (value === null) return d.refuse(count, T.EnterInteger);
            if (value < 1 || value > 9) {
                return d.refuse(count, T.EnterIntegerInRange.replace('%1', 1).replace('%2', 9));
            }
            d.close(`${conjunction ? 1 : 0} ${value} ${inverted.checked ? 1 : 0}`);
        });
        choose(request.conjunction);
        count.value = String(request.inputs);
        inverted.checked = request.inverted;
        return d.show(count);
    }

    function generator(request) {
        const d = new Dialog(T.GeneratorTitle, 186, 95);
        const heading = d.staticText(T.PulseParameters, [7, 7, 172, 10], 'center');
        heading.style.border = '1px inset #a0a0a0';
        d.staticText(T.Period, [79, 22, 69, 9]);
        d.staticText(T.Duty, [7, 38, 141, 9]);
        d.staticText(T.Delay, [67, 54, 83, 9]);
        const fields = [
            [d.edit([154, 21, 25, 12]), request.period, 1.0, 5.0],
            [d.edit([154, 36, 25, 12]), request.duty, 0.1, 0.9],
            [d.edit([154, 51, 25, 12]), request.delay, 0.0, 5.0],
        ];
        d.okCancel([7, 74, 50, 14], [129, 74, 50, 14], async () => {
            // Fields are checked top to bottom; the first refused one keeps the focus.
            const typed = [];
            for (const [field, , min, max] of fields) {
                const value = parseFloatField(field.value);
                if (value === null) return d.refuse(field, T.EnterNumber);
                if (value.single < Math.fround(min) || value.single > Math.fround(max)) {
                    return d.refuse(field, T.EnterNumberInRange
                        .replace('%1', formatFloat(Math.fround(min)))
                        .replace('%2', formatFloat(Math.fround(max))));
                }
                typed.push(value.text);
            }
            d.close(typed.join(' '));
        });
        for (const [field, value] of fields) field.value = formatFloat(value);
        return d.show(fields[0][0]);
    }

    function readOnlyLines(d, lines, firstUnits, step) {
        lines.forEach((line, i) => {
            const [x, y, w, h] = firstUnits;
            d.edit([x, y + step * i, w, h], { readOnly: true, centred: true }).value = line;
        });
    }

    function question(request) {
        const d = new Dialog(T.QuestionTitle, 141, 50);
        readOnlyLines(d, [request.line1, request.line2], [7, 7, 127, 12], 7);
        d.okCancel([7, 29, 50, 14], [84, 29, 50, 14], () => d.close(''));
        return d.show();
    }

    // Opened beside the click, kept on the screen.
    function deleteConfirm(request) {
        const d = new Dialog(T.DeleteTitle, 154, 59);
        d.staticText(T.DeleteQuestion, [7, 7, 140, 19], 'center');
        d.okCancel([7, 38, 50, 14], [97, 38, 50, 14], () => d.close(''));
        const r = document.getElementById('workarea').getBoundingClientRect();
        return d.show(null, { x: r.left + request.x + 5, y: r.top + request.y + 50 });
    }

    // The element four times its size with a round button beside every pin; only
    // the free pins can be chosen.
    function pinChoice(request) {
        const d = new Dialog(T.PinChoiceTitle, 186, 156);
        d.staticText(T.PinChoiceQuestion, [7, 7, 172, 18]);
        const kMagnification = 4, kOriginX = 30, kOriginY = 50, kButton = 15;
        if (picture && picture.width > 0) {
            const c = document.createElement('canvas');
            c.width = picture.width;
            c.height = picture.height;
            c.getContext('2d').putImageData(
                new ImageData(new Uint8ClampedArray(picture.bytes), picture.width, picture.height), 0, 0);
            position(c, { left: kOriginX, top: kOriginY, width: picture.width * kMagnification,
                          height: picture.height * kMagnification });
            d.add(c);
        }
        let chosen = null;
        const right = kOriginX + kMagnification * request.width + 10;
        const buttons = [];
        for (let pin = 0; pin < 11; pin++) {
            if (!request.present[pin]) continue;
            let top;
            let left = right;
            if (pin < 9) { left = 10; top = 65 + 20 * pin; }
            else if (pin === 9) top = request.twoOutputs ? 85 : 2 * request.height + 45;
            else top = 165;
            const input = document.createElement('input');
            input.type = 'radio';
            input.name = 'pin';
            input.dataset.pin = pin;
            input.tabIndex = -1;
            input.disabled = !request.enabled[pin];
            input.addEventListener('click', () => {
                chosen = pin;
                buttons.forEach((b) => { b.checked = b === input; });
            });
            position(input, { left, top, width: kButton, height: kButton });
            buttons.push(d.add(input));
        }
        d.okCancel([129, 114, 50, 14], [129, 135, 50, 14],
                   () => d.close(chosen === null ? '' : String(chosen)));
        return d.show();
    }

    function fileName(request) {
        const d = new Dialog(T.FileNameTitle, 186, 63);
        d.edit([8, 8, 68, 12], { readOnly: true, maxLength: 40 }).value = request.label;
        const name = d.edit([79, 7, 100, 12], { maxLength: 24 });
        name.value = request.name.slice(0, 24);
        d.okCancel([7, 42, 50, 14], [129, 42, 50, 14], async () => {
            // No file can have an empty name; asking again beats reporting a failure later.
            if (name.value === '') return d.refuse(name, T.EnterFileName);
            d.close(name.value);
        });
        return d.show(name);
    }

    // The focused "Отказаться" is the button Enter presses.
    function warning(request) {
        const d = new Dialog(T.WarningTitle, 201, 74);
        readOnlyLines(d, [request.line1, request.line2, request.line3], [7, 7, 187, 12], 12);
        d.defaultButton = d.button(T.Continue, [7, 53, 50, 14], () => d.close(''));
        const refuse = d.button(T.Refuse, [144, 53, 50, 14], () => d.close(null));
        return d.show(refuse);
    }

    function about() {
        const d = new Dialog(T.AboutTitle, 214, 195);
        d.cancelAnswer = '';
        const icon = document.createElement('canvas');
        const iconPicture = lotraDialogs.icon;
        if (iconPicture) {
            icon.width = iconPicture.width;
            icon.height = iconPicture.height;
            icon.getContext('2d').putImageData(iconPicture, 0, 0);
        }
        d.add(icon, [24, 27, 21, 20]).style.width = icon.style.height = '';
        const lines = [
            [T.AboutDeveloperRole, [69, 7, 138, 8]], [T.AboutDeveloperGroup, [94, 15, 113, 8]],
            [T.AboutDeveloperName, [145, 27, 62, 8]], [T.AboutAssistantRole, [69, 39, 138, 8]],
            [T.AboutAssistantGroup, [94, 47, 113, 8]], [T.AboutAssistantName, [152, 59, 55, 8]],
            [T.AboutThanksHeading, [7, 76, 200, 16]], [T.AboutTeacher1, [7, 96, 200, 8]],
            [T.AboutTeacher2, [7, 104, 200, 8]], [T.AboutTeacher3, [7, 112, 200, 8]],
            [T.AboutTeacher4, [7, 124, 200, 16]], [T.AboutTeacher5, [7, 140, 200, 8]],
            [T.AboutInitiator, [7, 156, 200, 16], 'center'], [T.AboutPlaceAndYear, [86, 180, 44, 8]],
        ];
        for (const [text, units, align] of lines) d.staticText(text, units, align);
        d.defaultButton = d.button(T.Ok, [166, 174, 41, 14], () => d.close(''));
        return d.show();
    }

    // The note names the manual; in the page its name opens it in a new tab.
    function helpNote() {
        const d = new Dialog(T.HelpNoteTitle, 147, 53, kFont10);
        d.cancelAnswer = '';
        const note = d.staticText('', [26, 7, 94, 18]);
        const [before] = T.HelpNoteText.split('help.html');
        const link = document.createElement('a');
        link.href = '#';
        link.textContent = 'help.html';
        link.addEventListener('click', (event) => { event.preventDefault(); lotra.openManual(); });
        note.append(before, link);
        d.defaultButton = d.button(T.Ok, [54, 34, 38, 12], () => d.close(''));
        return d.show();
    }

    const kinds = {
        message: messageBox, logic: logicElement, generator, question, delete: deleteConfirm,
        pin: pinChoice, fileName, warning, about, help: helpNote,
    };

    return {
        run: (kind, request) => kinds[kind](request),
        setPicture: (bytes, width, height) => { picture = { bytes, width, height }; },
        icon: null,
    };
})();
