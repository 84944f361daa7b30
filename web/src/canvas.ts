// The core's drawing surface over a <canvas> 2D context. Coordinates are
// the chart's pixels; the backing store has devicePixelRatio times as many,
// and every pixel the core draws covers whole device pixels, so the
// inverting pen (difference with white) restores a picture exactly.

export interface CoreCanvas {
  printer: boolean;
  textOut(x: number, y: number, text: string): void;
  textWidth(text: string): number;
  textHeight(text: string): number;
  moveTo(x: number, y: number): void;
  lineTo(x: number, y: number): void;
  setPenColor(rgb: number): void;
  setTextColor(rgb: number): void;
  setInvert(on: boolean): void;
  fillRect(x1: number, y1: number, x2: number, y2: number, rgb: number): void;
  setFont(name: string, size: number, sizeInPoints: boolean, bold: boolean): void;
  setFontPointSize(points: number): void;
}

// The on-screen chart area the core draws on: a canvas with its scroll position.
export interface ChartSurface extends CoreCanvas {
  setScrollRanges(width: number, height: number): void;
  verticalScrollPos(): number;
  showCanvas(): void;
  invalidate(): void;
}

// The program's fonts by the names the core uses; the metric-compatible
// face travels with the page.
const Faces: Record<string, string> = {
  'Courier New': '"Liberation Mono", "Courier New", monospace',
  Courier: '"Liberation Mono", "Courier New", monospace',
};

export function colour(rgb: number): string {
  return '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
}

export class WebCanvas implements CoreCanvas {
  printer = false;
  readonly ctx: CanvasRenderingContext2D;
  protected scale: number;
  private x = 0;
  private y = 0;
  private pen = 0;
  private text = 0;
  // The texts drawn since the picture was last cleared, for a screen reader.
  readonly drawnTexts: { y: number; text: string }[] = [];
  private invert = false;
  private face = Faces['Courier New'];
  private pixels = 13;
  private bold = true;
  private metrics: { ascent: number; height: number } | null = null;

  // width and height in chart pixels.
  constructor(readonly canvas: HTMLCanvasElement, width: number, height: number, scale = window.devicePixelRatio || 1) {
    this.scale = scale;
    const ctx = canvas.getContext('2d', { willReadFrequently: false });
    if (!ctx) throw new Error('no 2D context');
    this.ctx = ctx;
    this.resize(width, height);
  }

  get width(): number { return Math.round(this.canvas.width / this.scale); }
  get height(): number { return Math.round(this.canvas.height / this.scale); }

  // Sets the size (chart pixels) and clears to white.
  resize(width: number, height: number, scale = this.scale): void {
    this.scale = scale;
    this.canvas.width = Math.max(1, Math.round(width * scale));
    this.canvas.height = Math.max(1, Math.round(height * scale));
    this.canvas.style.width = width + 'px';
    this.canvas.style.height = height + 'px';
    this.clear();
  }

  // Where a pointer event lies in chart pixels: on a narrow screen the page
  // shows the chart scaled to the width available.
  pointAt(e: MouseEvent): { x: number; y: number } {
    const r = this.canvas.getBoundingClientRect();
    const sx = r.width > 0 ? this.width / r.width : 1, sy = r.height > 0 ? this.height / r.height : 1;
    return { x: Math.floor((e.clientX - r.left) * sx), y: Math.floor((e.clientY - r.top) * sy) };
  }

  clear(): void {
    this.drawnTexts.length = 0;
    const c = this.ctx;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.globalCompositeOperation = 'source-over';
    c.fillStyle = '#ffffff';
    c.fillRect(0, 0, this.canvas.width, this.canvas.height);
    this.applyFont();
  }

  private d(v: number): number { return Math.round(v * this.scale); }

  // One chart pixel square or span, snapped to whole device pixels.
  private cells(x1: number, y1: number, x2: number, y2: number): void {
    const X = this.d(x1), Y = this.d(y1);
    this.ctx.fillRect(X, Y, this.d(x2) - X, this.d(y2) - Y);
  }

  private applyFont(): void {
    this.ctx.font = `${this.bold ? 'bold ' : ''}${this.pixels * this.scale}px ${this.face}`;
    this.metrics = null;
  }

  private measure(): { ascent: number; height: number } {
    if (!this.metrics) {
      const m = this.ctx.measureText('Hg');
      const ascent = m.fontBoundingBoxAscent ?? this.pixels * this.scale * 0.8;
      const descent = m.fontBoundingBoxDescent ?? this.pixels * this.scale * 0.2;
      this.metrics = { ascent: ascent / this.scale, height: Math.ceil((ascent + descent) / this.scale) };
    }
    return this.metrics;
  }

  textOut(x: number, y: number, text: string): void {
    const c = this.ctx;
    c.globalCompositeOperation = 'source-over';
    c.fillStyle = colour(this.text);
    c.textBaseline = 'alphabetic';
    c.fillText(text, this.d(x), Math.round((y + this.measure().ascent) * this.scale));
    this.drawnTexts.push({ y, text });
  }

  // The chart's title: the texts drawn on its topmost line.
  titleText(): string {
    if (!this.drawnTexts.length) return '';
    const top = Math.min(...this.drawnTexts.map((t) => t.y));
    return this.drawnTexts.filter((t) => t.y === top).map((t) => t.text.trim()).filter(Boolean).join(' ');
  }

  textWidth(text: string): number { return Math.round(this.ctx.measureText(text).width / this.scale); }
  textHeight(_text: string): number { return this.measure().height; }

  moveTo(x: number, y: number): void { this.x = x; this.y = y; }

  // Both ends drawn, each pixel once (so an inverted line inverts it once).
  // An inverting line leaves out its end point, as the desktop's does: a
  // cursor line ending on a chart's base line leaves that line whole.
  lineTo(x: number, y: number): void {
    const c = this.ctx;
    c.globalCompositeOperation = this.invert ? 'difference' : 'source-over';
    c.fillStyle = this.invert ? '#ffffff' : colour(this.pen);
    let x0 = this.x, y0 = this.y;
    if (this.invert && x0 === x && y0 === y) {
      // A line of its end point alone: nothing to invert.
    } else if (x0 === x || y0 === y) {
      const ex = this.invert ? x - Math.sign(x - x0) : x, ey = this.invert ? y - Math.sign(y - y0) : y;
      this.cells(Math.min(x0, ex), Math.min(y0, ey), Math.max(x0, ex) + 1, Math.max(y0, ey) + 1);
    } else {
      const dx = Math.abs(x - x0), dy = -Math.abs(y - y0);
      const sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
      let err = dx + dy;
      for (;;) {
        if (this.invert && x0 === x && y0 === y) break;
        this.cells(x0, y0, x0 + 1, y0 + 1);
        if (x0 === x && y0 === y) break;
        const e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
      }
    }
    c.globalCompositeOperation = 'source-over';
    this.x = x; this.y = y;
  }

  setPenColor(rgb: number): void { this.pen = rgb; }
  setTextColor(rgb: number): void { this.text = rgb; }
  setInvert(on: boolean): void { this.invert = on; }

  fillRect(x1: number, y1: number, x2: number, y2: number, rgb: number): void {
    if (x2 <= x1 || y2 <= y1) return;
    this.ctx.globalCompositeOperation = 'source-over';
    this.ctx.fillStyle = colour(rgb);
    this.cells(x1, y1, x2, y2);
  }

  setFont(name: string, size: number, sizeInPoints: boolean, bold: boolean): void {
    this.face = Faces[name] ?? `"${name}", ${Faces['Courier New']}`;
    const n = Math.max(1, size);
    this.pixels = sizeInPoints ? Math.round((n * 96) / 72) : n;
    this.bold = bold;
    this.applyFont();
  }

  setFontPointSize(points: number): void {
    this.pixels = Math.round((Math.max(1, points) * 96) / 72);
    this.applyFont();
  }
}
