// SPDX-License-Identifier: EUPL-1.2
#include "sheet/pdf_keywords.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <exception>

namespace fiche {
namespace {

std::string MotsCles(std::FILE* flux, const std::string& nom) {
  QPDF pdf;
  pdf.setSuppressWarnings(true);  // a repaired file is as good as any if its evaluation is whole
  pdf.processFile(nom.c_str(), flux, true);
  QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
  if (!info.isDictionary()) return "";
  QPDFObjectHandle mots = info.getKey("/Keywords");
  return mots.isString() ? mots.getUTF8Value() : "";
}

}  // namespace

LecturePdf LitMotsCles(std::FILE* flux, const std::string& nom, std::string& mots) {
  try {
    mots = MotsCles(flux, nom);
    return LecturePdf::Lue;
  } catch (const QPDFExc& e) {
    return e.getErrorCode() == qpdf_e_password ? LecturePdf::Protegee : LecturePdf::Endommagee;
  } catch (const std::exception&) {
    return LecturePdf::Endommagee;
  }
}

}  // namespace fiche
