// The main window's menu bar: menus open on a click or Alt with their access
// letter, arrow keys move, Enter or the item's letter chooses, Escape closes.
import { captionNodes, el, modalOpen } from './ui';

export interface MenuSpec {
  name: string;
  caption: string;
  shortcut?: string;
  enabled?: boolean;
  onOpen?: () => void;   // a menu's own handler, run when it opens
  run?: () => void;      // an item's handler
  items?: MenuSpec[];
}

interface Entry {
  spec: MenuSpec;
  item: HTMLDivElement;
  list: HTMLDivElement | null;
  letter: string;
  parent: Entry | null;
  children: Entry[];
}

export class MenuBar {
  readonly root: HTMLElement;
  private readonly byName = new Map<string, Entry>();
  private readonly top: Entry[] = [];
  private open: Entry[] = [];   // the open menus, outermost first
  private highlighted: Entry | null = null;

  constructor(specs: MenuSpec[]) {
    this.root = el('nav', { id: 'MainMenu1', 'data-name': 'MainMenu1', role: 'menubar', 'aria-label': 'Menu' });
    for (const s of specs) {
      const e = this.build(s, null);
      this.top.push(e);
      this.root.append(el('div', { class: 'topitem' }, e.item, e.list));
    }
    document.addEventListener('mousedown', (ev) => {
      if (this.open.length && !this.root.contains(ev.target as Node)) this.closeAll();
    });
    document.addEventListener('keydown', (ev) => this.key(ev), true);
  }

  private build(spec: MenuSpec, parent: Entry | null): Entry {
    const c = captionNodes(spec.caption);
    const item = el('div', { class: 'menuitem', role: 'menuitem', 'data-name': spec.name, 'aria-label': c.text, tabindex: '-1' },
      el('span', { class: 'caption' }, ...c.nodes),
      spec.shortcut ? el('span', { class: 'shortcut', text: spec.shortcut }) : null);
    const e: Entry = { spec, item, list: null, letter: c.letter, parent, children: [] };
    if (spec.items) {
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      e.list = el('div', { class: 'menu', role: 'menu', 'aria-label': c.text, hidden: true });
      for (const s of spec.items) {
        const child = this.build(s, e);
        e.children.push(child);
        e.list.append(child.item);
        if (child.list) e.list.append(child.list);
      }
      if (parent) item.classList.add('submenu');
    }
    item.addEventListener('click', (ev) => { ev.stopPropagation(); this.activate(e); });
    item.addEventListener('mouseenter', () => {
      if (parent && this.open.includes(parent)) {
        this.highlight(e);
        if (e.list) this.openMenu(e);
      } else if (!parent && this.open.length && this.open[0] !== e) {
        this.closeAll();
        this.openMenu(e);
      }
    });
    this.byName.set(spec.name, e);
    this.setEnabled(spec.name, spec.enabled !== false, e);
    return e;
  }

  setEnabled(name: string, on: boolean, entry = this.byName.get(name)): void {
    if (!entry) return;
    entry.spec.enabled = on;
    entry.item.setAttribute('aria-disabled', String(!on));
    entry.item.classList.toggle('disabled', !on);
  }

  // A caption changed while the program runs (its access letter too).
  setCaption(name: string, caption: string): void {
    const e = this.byName.get(name);
    if (!e) return;
    const c = captionNodes(caption);
    e.spec.caption = caption;
    e.letter = c.letter;
    e.item.setAttribute('aria-label', c.text);
    e.item.querySelector('.caption')?.replaceChildren(...c.nodes);
  }

  // A checkable item's mark.
  setChecked(name: string, on: boolean): void {
    const e = this.byName.get(name);
    if (!e) return;
    e.item.setAttribute('role', 'menuitemcheckbox');
    e.item.setAttribute('aria-checked', String(on));
  }

  setVisible(name: string, on: boolean): void {
    const e = this.byName.get(name);
    if (e) e.item.hidden = !on;
  }

  isEnabled(name: string): boolean { return this.byName.get(name)?.spec.enabled !== false; }

  item(name: string): HTMLElement | undefined { return this.byName.get(name)?.item; }

  // A click or Enter on an item: a menu opens, an item runs.
  private activate(e: Entry): void {
    if (modalOpen() || !e.spec.enabled) return;
    if (e.list) {
      if (!e.parent && this.open[0] === e) { this.closeAll(); return; }
      if (!e.parent) this.closeAll();
      this.openMenu(e);
      const first = e.children.find((c) => c.spec.enabled);
      if (first) this.highlight(first);
      return;
    }
    if (!e.parent) {
      this.closeAll();
      e.spec.run?.();
      return;
    }
    if (!this.open.includes(e.parent)) return;  // an item runs only from its open menu
    this.closeAll();
    e.spec.run?.();
  }

  private openMenu(e: Entry): void {
    if (!e.list) return;
    while (this.open.length && this.open[this.open.length - 1] !== e.parent) this.closeLast();
    e.list.hidden = false;
    e.item.setAttribute('aria-expanded', 'true');
    e.item.classList.add('open');
    this.open.push(e);
    if (!e.parent) { this.highlight(e); e.spec.onOpen?.(); }
  }

  private closeLast(): void {
    const e = this.open.pop();
    if (!e?.list) return;
    e.list.hidden = true;
    e.item.setAttribute('aria-expanded', 'false');
    e.item.classList.remove('open');
  }

  closeAll(): void {
    while (this.open.length) this.closeLast();
    this.highlight(null);
  }

  private highlight(e: Entry | null): void {
    this.highlighted?.item.classList.remove('hot');
    this.highlighted = e;
    if (e) { e.item.classList.add('hot'); e.item.focus({ preventScroll: true }); }
  }

  private key(ev: KeyboardEvent): void {
    if (modalOpen()) return;
    const k = ev.key;
    if (ev.altKey && !ev.ctrlKey && k.length === 1) {
      const e = this.top.find((t) => t.letter && t.letter === k.toLowerCase());
      if (e) { ev.preventDefault(); this.closeAll(); this.activate(e); }
      return;
    }
    if (!this.open.length) return;
    const menu = this.open[this.open.length - 1];
    const siblings = menu.children;
    const inMenu = this.highlighted && this.highlighted.parent === menu;
    let handled = true;
    if (k === 'Escape') {
      if (this.open.length > 1) { this.closeLast(); this.highlight(this.open[this.open.length - 1].children[0] ?? null); }
      else this.closeAll();
    } else if (k === 'ArrowDown' || k === 'ArrowUp') {
      const list = menu.children;
      let i = inMenu ? list.indexOf(this.highlighted!) : -1;
      for (let n = 0; n < list.length; ++n) {
        i = (i + (k === 'ArrowDown' ? 1 : list.length - 1)) % list.length;
        if (list[i].spec.enabled && !list[i].item.hidden) break;
      }
      this.highlight(list[i] ?? null);
    } else if (k === 'ArrowRight' || k === 'ArrowLeft') {
      if (k === 'ArrowRight' && inMenu && this.highlighted!.list) {
        this.activate(this.highlighted!);
      } else if (k === 'ArrowLeft' && this.open.length > 1) {
        const sub = this.open[this.open.length - 1];
        this.closeLast();
        this.highlight(sub);
      } else {
        const i = this.top.indexOf(this.open[0]);
        const next = this.top[(i + (k === 'ArrowRight' ? 1 : this.top.length - 1)) % this.top.length];
        this.closeAll();
        this.activate(next);
      }
    } else if (k === 'Enter' || k === ' ') {
      if (this.highlighted) this.activate(this.highlighted);
    } else if (k.length === 1 && !ev.ctrlKey) {
      const e = siblings.find((c) => c.letter === k.toLowerCase());
      if (e) this.activate(e);
      else handled = false;
    } else {
      handled = false;
    }
    if (handled) { ev.preventDefault(); ev.stopPropagation(); }
  }
}
