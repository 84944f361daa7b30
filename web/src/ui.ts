// Page elements for the program's windows: dialogs that are modal, with a
// default button for Enter and a cancel action for Escape, message boxes,
// and edit fields whose typed and pasted characters pass a key filter.

type Child = Node | string | null | undefined | false;

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K, attrs: Record<string, string | boolean | number> = {}, ...children: Child[]
): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attrs)) {
    if (v === false) continue;
    if (k === 'class') e.className = String(v);
    else if (k === 'text') e.textContent = String(v);
    else e.setAttribute(k, v === true ? '' : String(v));
  }
  for (const c of children) if (c) e.append(c);
  return e;
}

// A caption with "&" before its access letter: the text without the "&"
// and the letter shown underlined.
export function captionNodes(caption: string): { text: string; letter: string; nodes: Node[] } {
  const i = caption.indexOf('&');
  if (i < 0 || i === caption.length - 1) return { text: caption, letter: '', nodes: [document.createTextNode(caption)] };
  const letter = caption[i + 1];
  const text = caption.slice(0, i) + caption.slice(i + 1);
  return {
    text, letter: letter.toLowerCase(),
    nodes: [document.createTextNode(caption.slice(0, i)), el('u', { text: letter }), document.createTextNode(caption.slice(i + 2))],
  };
}

export function button(name: string, caption: string, onClick: () => void): HTMLButtonElement {
  const c = captionNodes(caption);
  const b = el('button', { type: 'button', 'data-name': name, 'aria-label': c.text }, ...c.nodes);
  b.addEventListener('click', () => { if (!b.disabled) onClick(); });
  if (c.letter) b.dataset.key = c.letter;
  return b;
}

export function label(name: string, text: string): HTMLSpanElement {
  return el('span', { class: 'label', 'data-name': name, text });
}

// What a field does with one typed character: the character to insert
// (possibly another one), or '' to drop it.
export type KeyFilter = ((ch: string) => string) & { inputMode?: string };

export function field(name: string, accessibleName: string, filter?: KeyFilter): HTMLInputElement {
  const f = el('input', { type: 'text', 'data-name': name, 'aria-label': accessibleName, autocomplete: 'off', spellcheck: 'false' });
  if (filter?.inputMode) f.inputMode = filter.inputMode;
  if (filter) {
    f.addEventListener('beforeinput', (e) => {
      if (!e.inputType.startsWith('insert') || e.data === null && !e.dataTransfer) return;
      const typed = e.data ?? e.dataTransfer?.getData('text/plain') ?? '';
      let kept = '';
      for (const ch of typed) kept += filter(ch);
      if (kept === typed) return;
      e.preventDefault();
      if (kept) {
        f.setRangeText(kept, f.selectionStart ?? f.value.length, f.selectionEnd ?? f.value.length, 'end');
        f.dispatchEvent(new Event('input', { bubbles: true }));
      }
    });
    // Backspace is a typed character too; one field's filter drops it.
    f.addEventListener('keydown', (e) => {
      if (e.key === 'Backspace' && !e.ctrlKey && !e.altKey && filter('\b') === '') e.preventDefault();
    });
    // Pasted text arrives as one insertion; handled above like typing.
    f.addEventListener('paste', (e) => {
      const text = e.clipboardData?.getData('text/plain');
      if (text === undefined) return;
      e.preventDefault();
      let kept = '';
      for (const ch of text.replace(/\r?\n/g, '')) kept += filter(ch);
      if (kept) {
        f.setRangeText(kept, f.selectionStart ?? f.value.length, f.selectionEnd ?? f.value.length, 'end');
        f.dispatchEvent(new Event('input', { bubbles: true }));
      }
    });
  }
  return f;
}

// Sets a field's text as the program does (not typing): one change event.
export function setText(f: HTMLInputElement, text: string): void {
  f.value = text;
  f.dispatchEvent(new Event('input', { bubbles: true }));
}

const stack: Dialog[] = [];
export function modalOpen(): boolean { return stack.length > 0; }

// Keys meant for the modal window reach it even when the focus fell out of
// it (a click on a part that takes no focus).
document.addEventListener('keydown', (e) => {
  const top = stack[stack.length - 1];
  if (top && !top.root.contains(e.target as Node)) top.keyFromOutside(e);
}, true);

// Where the keyboard goes when a dialog closes and the control it came from
// is gone or out of reach: a control of the window on show (set by the views).
export const focusHome = { find: (): HTMLElement | null => null };

function reachable(e: Element | null): e is HTMLElement {
  return e instanceof HTMLElement && e !== document.body && e.isConnected && e.offsetParent !== null &&
    !e.closest('[inert]') && !e.closest('[role="menubar"]');
}

export class Dialog {
  readonly root: HTMLDivElement;
  readonly body: HTMLDivElement;
  private readonly overlay: HTMLDivElement;
  private readonly titleEl: HTMLDivElement;
  defaultButton: HTMLButtonElement | null = null;
  // Escape; a dialog without one ignores Escape.
  onCancel: (() => void) | null = null;
  // Enter in a field before the default button gets it; return true when handled.
  onEnter: ((target: EventTarget | null) => boolean) | null = null;
  onShow: (() => void) | null = null;
  private resolve: (() => void) | null = null;
  private returnFocus: Element | null = null;

  constructor(id: string, title: string, width: number, height: number, className = '', closeBox = false) {
    this.titleEl = el('div', { class: 'title', text: title });
    this.body = el('div', { class: 'body' });
    this.root = el('div', { id, class: 'dialog ' + className, role: 'dialog', 'aria-modal': 'true', 'aria-label': title.trim() || id },
      this.titleEl, this.body);
    this.root.style.width = width + 'px';
    this.body.style.height = height + 'px';
    this.overlay = el('div', { class: 'overlay' }, this.root);
    if (closeBox) {
      const close = el('button', { type: 'button', class: 'closebox', 'aria-label': 'Luk', title: 'Luk', tabindex: '-1', text: '×' });
      close.addEventListener('click', () => this.onCancel?.());
      this.root.insertBefore(el('div', { class: 'titlebar' }, this.titleEl, close), this.body);
    }
    this.root.addEventListener('keydown', (e) => this.key(e));
  }

  set title(text: string) {
    this.titleEl.textContent = text;
    this.root.setAttribute('aria-label', text.trim() || this.root.id);
  }

  get visible(): boolean { return this.overlay.isConnected; }

  // Places a control at the window's own coordinates.
  place<T extends HTMLElement>(e: T, x: number, y: number, w?: number, h?: number): T {
    e.style.position = 'absolute';
    e.style.left = x + 'px';
    e.style.top = y + 'px';
    if (w !== undefined) e.style.width = w + 'px';
    if (h !== undefined) e.style.height = h + 'px';
    this.body.append(e);
    return e;
  }

  // Shows the dialog modally; resolves when it closes.
  show(): Promise<void> {
    if (this.visible) return Promise.resolve();
    this.returnFocus = document.activeElement;
    document.body.append(this.overlay);
    stack.push(this);
    const done = new Promise<void>((r) => { this.resolve = r; });
    this.onShow?.();
    if (!this.root.contains(document.activeElement)) this.firstFocusable()?.focus();
    return done;
  }

  close(): void {
    if (!this.visible) return;
    this.overlay.remove();
    const i = stack.indexOf(this);
    if (i >= 0) stack.splice(i, 1);
    if (reachable(this.returnFocus)) this.returnFocus.focus();
    else if (!stack.length) focusHome.find()?.focus();
    const r = this.resolve;
    this.resolve = null;
    r?.();
  }

  private focusables(): HTMLElement[] {
    // In document order, as Tab goes; the close cross is for the pointer only.
    return [...this.root.querySelectorAll<HTMLElement>('input, button, select, textarea, [tabindex="0"]')]
      .filter((e) => !(e as HTMLButtonElement).disabled && e.offsetParent !== null && e.tabIndex >= 0);
  }

  private firstFocusable(): HTMLElement | undefined { return this.focusables()[0]; }

  keyFromOutside(e: KeyboardEvent): void {
    if (e.key === 'Tab') { e.preventDefault(); this.firstFocusable()?.focus(); return; }
    this.key(e);
  }

  private key(e: KeyboardEvent): void {
    if (stack[stack.length - 1] !== this) return;
    if (e.key === 'Escape') {
      e.preventDefault();
      e.stopPropagation();
      this.onCancel?.();
    } else if (e.key === 'Enter') {
      e.preventDefault();
      e.stopPropagation();
      if (this.onEnter?.(e.target)) return;
      const target = e.target as HTMLElement;
      if (target instanceof HTMLButtonElement) target.click();
      else if (this.defaultButton && !this.defaultButton.disabled) this.defaultButton.click();
    } else if (e.key === 'Tab') {
      // Focus stays inside the modal window.
      const list = this.focusables();
      if (!list.length) return;
      const i = list.indexOf(document.activeElement as HTMLElement);
      const next = e.shiftKey ? (i <= 0 ? list.length - 1 : i - 1) : (i + 1) % list.length;
      e.preventDefault();
      list[next].focus();
    } else if (e.altKey && e.key.length === 1) {
      // Any key may come here (Alt+" too): compare, never build a selector from it.
      const key = e.key.toLowerCase();
      const b = [...this.root.querySelectorAll<HTMLButtonElement>('button[data-key]')].find((x) => x.dataset.key === key);
      if (b && !b.disabled) { e.preventDefault(); b.click(); }
    }
  }
}

// A message box with one OK button; resolves when it is closed.
export function messageBox(text: string, caption: string): Promise<void> {
  const d = new Dialog('MessageBox', caption, 300, 0, 'msgbox');
  // Over another dialog, the box stands low so that it leaves its fields in view.
  if (stack.length) d.root.parentElement?.classList.add('low');
  d.root.setAttribute('role', 'alertdialog');
  d.body.style.height = '';
  const p = el('p', { class: 'msgtext', text });
  const ok = button('OKBtn', 'OK', () => d.close());
  d.body.append(p, el('div', { class: 'msgbuttons' }, ok));
  d.defaultButton = ok;
  d.onCancel = () => d.close();
  const shown = d.show();
  ok.focus();
  return shown;
}

// Where the years of a year list stand in its text field, in the field's
// pixels, for the core's rules of what a click picks.
export function drawnYears(pre: HTMLElement, positions: { entry: number; line: number; column: number; length: number }[]):
  { entry: number; left: number; top: number; right: number; bottom: number }[] {
  const text = pre.firstChild;
  if (!(text instanceof Text)) return [];
  const starts = [0];
  for (const line of text.data.split('\n')) starts.push(starts[starts.length - 1] + line.length + 1);
  const box = pre.getBoundingClientRect();
  return positions.map((p) => {
    const range = document.createRange();
    const from = Math.min(starts[p.line] + p.column, text.length);
    range.setStart(text, from);
    range.setEnd(text, Math.min(from + p.length, text.length));
    const r = range.getBoundingClientRect();
    const left = Math.floor(r.left - box.left + pre.scrollLeft), top = Math.floor(r.top - box.top + pre.scrollTop);
    return { entry: p.entry, left, top, right: left + Math.ceil(r.width) - 1, bottom: top + Math.ceil(r.height) - 1 };
  });
}

// A year list's text made a list box for the keyboard and screen readers:
// the text stays as drawn (a click picks by the core's rules), one option a
// year is owned by the list, arrow keys pick a year and Enter chooses it.
export class YearListBox {
  private options: HTMLElement[] = [];
  private entries: { entry: number; line: number; column: number; length: number }[] = [];
  private at = -1;
  private readonly holder = el('div', { class: 'visually-hidden' });
  private static count = 0;
  private readonly id = 'yearlist' + ++YearListBox.count;

  constructor(readonly list: HTMLElement, private readonly yearOf: (entry: number) => number,
              private readonly pick: (year: number) => void, private readonly choose: () => void) {
    list.setAttribute('tabindex', '0');
    list.after(this.holder);
    list.addEventListener('keydown', (e) => this.key(e));
  }

  // After the text is filled: one option for each year it lists.
  fill(entries: { entry: number; line: number; column: number; length: number }[]): void {
    this.entries = entries;
    this.at = -1;
    this.options = entries.map((p, i) => el('div', { role: 'option', id: `${this.id}-${i}`, 'aria-selected': 'false', text: String(this.yearOf(p.entry)) }));
    this.holder.replaceChildren(...this.options);
    this.list.setAttribute('aria-owns', this.options.map((o) => o.id).join(' '));
    this.list.removeAttribute('aria-activedescendant');
    this.mark();
  }

  // The list's year for a year typed or picked elsewhere.
  show(year: number): void {
    this.at = this.entries.findIndex((p) => this.yearOf(p.entry) === year);
    this.mark();
  }

  private key(e: KeyboardEvent): void {
    if (!this.entries.length) return;
    const last = this.entries.length - 1;
    const to = e.key === 'ArrowDown' || e.key === 'ArrowRight' ? Math.min(this.at + 1, last)
      : e.key === 'ArrowUp' || e.key === 'ArrowLeft' ? Math.max(this.at - 1, 0)
        : e.key === 'Home' ? 0 : e.key === 'End' ? last : null;
    if (to !== null) {
      e.preventDefault();
      this.at = to;
      this.mark();
      this.pick(this.yearOf(this.entries[to].entry));
      this.list.focus();
    } else if (e.key === 'Enter' && this.at >= 0) {
      e.preventDefault();
      e.stopPropagation();
      this.choose();
    }
  }

  private mark(): void {
    this.options.forEach((o, i) => o.setAttribute('aria-selected', String(i === this.at)));
    if (this.at >= 0) this.list.setAttribute('aria-activedescendant', this.options[this.at].id);
    const text = this.list.firstChild;
    const highlights = (globalThis as any).CSS?.highlights;
    if (!highlights) return;
    highlights.delete(this.id);
    if (this.at < 0 || !(text instanceof Text)) return;
    const p = this.entries[this.at];
    const lines = text.data.split('\n');
    let from = p.column;
    for (let i = 0; i < p.line; ++i) from += lines[i].length + 1;
    const range = new Range();
    range.setStart(text, Math.min(from, text.length));
    range.setEnd(text, Math.min(from + p.length, text.length));
    highlights.set(this.id, new (globalThis as any).Highlight(range));
  }
}
