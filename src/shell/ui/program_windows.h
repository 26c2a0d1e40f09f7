#pragma once
#include <QString>
#include <functional>
#include <vector>

class Xml_Document;

// What the main window asks of the windows and writers that the other
// subsystems build. Program start fills in each entry once its window exists;
// a step whose entry is still empty tells the user it is not available.
struct Program_Windows {
  std::function<void()> show_par_gen;    // "Set Communication"
  std::function<void()> show_meter_bus;  // "M-Bus Access"
  std::function<void()> create_gsd_file;
  // Asks for the GSDML file name and writes the file when the user confirms.
  std::function<void()> profinet_xml;
  std::function<void()> show_sdo_server;
  std::function<void()> show_sdo_client;
  std::function<void()> show_pdo;
  std::function<void(const QString& file_name)> write_eds_file;
  // Compiles the configuration into the images and saves them in its bin
  // folder, reading the files through the main window's document. Throws
  // when the compile or the save fails: the update window then stays closed.
  std::function<void(Xml_Document& xml1)> compile_and_save_images;
  // The update window; form type 0 serial or USB updater, 1 Ethernet.
  std::function<void(int form_type)> show_boot;
  // The Scan & Decode window: device code, M_Bus.xml path, 1 wireless / 0 wired.
  std::function<void(int xml_code_dev, const QString& file_name_mbus, int form_type)> show_scan_decode;
  std::function<void()> show_about;
  std::function<bool()> show_options;  // true when closed with OK
  // The new-version check and the link it offers when it finds one.
  std::function<bool()> check_version;
  std::function<QString()> download_page;
  std::function<QString()> product_page;
  // Set_Lang of every other window with language texts, in the order the
  // language change applies them.
  std::vector<std::function<void()>> set_lang;
};
