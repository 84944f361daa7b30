// The guide window and the About box.
import { button, Dialog, el, label } from './ui';

export const Version = 'Version 110109';

export function makeAboutBox(): Dialog {
  const d = new Dialog('AboutBox', ' ', 383, 199, '', true);
  const panel = d.place(el('div', { class: 'panel lowered', 'data-name': 'Panel1' }), 8, 8, 369, 149);
  const icon = el('img', { 'data-name': 'ProgramIcon', src: 'lysvandre-32.png', alt: 'Lysvandre', width: 32, height: 32 });
  panel.append(
    Object.assign(icon, { style: 'position:absolute;left:80px;top:24px' }),
    Object.assign(label('ProductName', 'Lysvandre'), { style: 'position:absolute;left:128px;top:24px', className: 'label product' }),
    Object.assign(label('Version', Version), { style: 'position:absolute;left:136px;top:76px', className: 'label version' }),
    Object.assign(label('MakerLine', 'Skrevet af Lysvandre-holdet til brug i skolen'),
      { style: 'position:absolute;left:8px;top:108px;width:355px;text-align:center', className: 'label maker' }));
  const ok = d.place(button('OKButton', '&OK', () => d.close()), 147, 162 - 0, 77, 27);
  d.defaultButton = ok;
  d.onCancel = () => d.close();
  d.onShow = () => ok.focus();
  return d;
}

export function makeGuide(): Dialog {
  const d = new Dialog('Form9', '  Vejledning', 762, 160, 'guide', true);
  d.place(label('Label1', 'Nærmere oplysninger om programmet og dets brug findes i elevteksterne:'), 24, 24);
  d.place(label('Label2', 'ULKE-Tema: Levetid                ULKE-Tema: Befolkningsprognose'), 24, 56).classList.add('big');
  const ok = d.place(button('BitBtn1', 'OK', () => d.close()), 624, 104, 75, 25);
  d.defaultButton = ok;
  d.onCancel = () => d.close();
  d.onShow = () => ok.focus();
  return d;
}
