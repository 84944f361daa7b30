// The main window's menu bar: menus open on a click or Alt with their access
// letter, arrow keys move, Enter or the item's letter chooses, Escape closes.
import { captionNodes, el, focusHome, modalOpen } from './ui';

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
  private openedByHover: Entry | null = null;  // a title's menu that the pointer opened, not yet clicked
  private returnFocus: HTMLElement | null = null;  // where focus was before the menu bar took it
  private altAlone = false;

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
    // Focus leaving the menu bar (Tab, a click elsewhere) closes its menus.
    this.root.addEventListener('focusout', (ev) => {
      if (!this.root.contains(ev.relatedTarget as Node | null)) { this.returnFocus = null; this.closeAll(); }
    });
    document.addEventListener('keydown', (ev) => this.key(ev), true);
    // Alt pressed and let go on its own goes to the menu bar, as F10 does.
    document.addEventListener('keyup', (ev) => {
      if (ev.key === 'Alt' && this.altAlone && !modalOpen()) { ev.preventDefault(); this.toggleBarFocus(); }
      this.altAlone = false;
    }, true);
    // The first title is in the tab order: the keyboard's way in.
    this.top[0]?.item.setAttribute('tabindex', '0');
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
    item.addEventListener('click', (ev) => {
      ev.stopPropagation();
      // A click on a title whose menu the pointer has just opened keeps it
      // open: a tap on another title while a menu is open opens that one.
      if (!parent && e.list && this.openedByHover === e && this.open[0] === e) { this.openedByHover = null; return; }
      this.openedByHover = null;
      this.activate(e);
    });
    item.addEventListener('mouseenter', () => {
      if (parent && this.open.includes(parent)) {
        this.highlight(e);
        if (e.list) this.openMenu(e);
      } else if (!parent && this.open.length && this.open[0] !== e) {
        this.closeAll();
        if (e.list && e.spec.enabled) { this.openMenu(e); this.openedByHover = e; }
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
      if (!e.parent) this.closeMenus();
      this.openMenu(e);
      const first = e.children.find((c) => c.spec.enabled);
      if (first) this.highlight(first);
      return;
    }
    if (e.parent && !this.open.includes(e.parent)) return;  // an item runs only from its open menu
    this.closeAll();
    e.spec.run?.();
    // A command that opened no dialog leaves the keyboard with the window on
    // show, never with the page.
    const at = document.activeElement;
    if (!modalOpen() && (!at || at === document.body)) focusHome.find()?.focus({ preventScroll: true });
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

  private closeMenus(): void {
    while (this.open.length) this.closeLast();
    this.openedByHover = null;
  }

  closeAll(): void {
    this.closeMenus();
    const hadFocus = this.root.contains(document.activeElement);
    this.highlight(null);
    // Focus goes back where it was, never to nothing; a command run from
    // the menu may move it on from there.
    if (hadFocus) this.leaveBar();
  }

  private leaveBar(): void {
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && back.isConnected && back.offsetParent !== null && !back.closest('[inert]')) back.focus({ preventScroll: true });
    else if (this.root.contains(document.activeElement)) (document.activeElement as HTMLElement).blur();
  }

  // F10 or Alt alone: into the menu bar at its first title, or out again.
  private toggleBarFocus(): void {
    if (this.root.contains(document.activeElement)) { this.closeAll(); return; }
    this.enterBar();
    this.highlight(this.top[0] ?? null);
  }

  private enterBar(): void {
    if (!this.root.contains(document.activeElement)) this.returnFocus = document.activeElement as HTMLElement | null;
  }

  private highlight(e: Entry | null): void {
    this.highlighted?.item.classList.remove('hot');
    this.highlighted = e;
    if (e) { this.enterBar(); e.item.classList.add('hot'); e.item.focus({ preventScroll: true }); }
  }

  // The title the keyboard is on while no menu is open.
  private focusedTitle(): Entry | undefined {
    return this.top.find((t) => t.item === document.activeElement);
  }

  private moveAlongBar(from: Entry, step: 1 | -1): void {
    const i = this.top.indexOf(from);
    let next = from;
    for (let n = 1; n <= this.top.length; ++n) {
      next = this.top[(i + step * n + this.top.length * n) % this.top.length];
      if (!next.item.hidden) break;
    }
    // Titles with a menu open it; a command title is only highlighted, and
    // runs on Enter.
    const wasOpen = this.open.length > 0;
    this.closeMenus();
    if (wasOpen && next.list && next.spec.enabled) this.activate(next);
    else this.highlight(next);
  }

  private key(ev: KeyboardEvent): void {
    this.altAlone = ev.key === 'Alt' && !ev.ctrlKey && !ev.shiftKey && !ev.metaKey;
    if (modalOpen()) return;
    const k = ev.key;
    if (k === 'F10' && !ev.altKey && !ev.ctrlKey && !ev.shiftKey) {
      ev.preventDefault();
      this.toggleBarFocus();
      return;
    }
    if (ev.altKey && !ev.ctrlKey && k.length === 1) {
      const e = this.top.find((t) => t.letter && t.letter === k.toLowerCase());
      if (e) { ev.preventDefault(); this.closeAll(); this.activate(e); }
      return;
    }
    if (k === 'Tab') {
      // Tab leaves the menu bar; an open menu closes and never keeps keys.
      if (this.open.length || this.focusedTitle()) { this.closeMenus(); this.highlight(null); this.returnFocus = null; }
      return;
    }
    if (!this.open.length) {
      const title = this.focusedTitle();
      if (!title) return;
      let used = true;
      if (k === 'ArrowRight' || k === 'ArrowLeft') this.moveAlongBar(title, k === 'ArrowRight' ? 1 : -1);
      else if (k === 'Enter' || k === ' ' || (k === 'ArrowDown' && title.list)) this.activate(title);
      else if (k === 'Escape') this.closeAll();
      else if (k.length === 1 && !ev.ctrlKey) {
        const e = this.top.find((t) => t.letter && t.letter === k.toLowerCase());
        if (e) this.activate(e); else used = false;
      } else used = false;
      if (used) { ev.preventDefault(); ev.stopPropagation(); }
      return;
    }
    const menu = this.open[this.open.length - 1];
    const siblings = menu.children;
    const inMenu = this.highlighted && this.highlighted.parent === menu;
    let handled = true;
    if (k === 'Escape') {
      if (this.open.length > 1) { this.closeLast(); this.highlight(this.open[this.open.length - 1].children[0] ?? null); }
      else {
        // The menu closes and its title keeps the keyboard, as on the desktop.
        const title = this.open[0];
        this.closeMenus();
        this.highlight(title);
      }
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
        this.moveAlongBar(this.open[0], k === 'ArrowRight' ? 1 : -1);
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
